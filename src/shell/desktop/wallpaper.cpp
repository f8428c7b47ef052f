#include "shell/desktop/wallpaper.h"

#include <QLinearGradient>
#include <QPainter>

namespace pramo {
namespace {

// A ledger sheet: a deep blue gradient ruled like an account book, with a margin line.
void paintLedger(QPainter& p, const QRect& r) {
    QLinearGradient sky(r.topLeft(), r.bottomRight());
    sky.setColorAt(0, QColor(22, 44, 78));
    sky.setColorAt(1, QColor(34, 96, 120));
    p.fillRect(r, sky);
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int y = r.top() + 32; y < r.bottom(); y += 32) p.drawLine(r.left(), y, r.right(), y);
    p.setPen(QPen(QColor(220, 90, 90, 60), 2));
    p.drawLine(r.left() + 72, r.top(), r.left() + 72, r.bottom());
}

// The program's name in the lower right corner, large and faint.
void paintName(QPainter& p, const QRect& r) {
    QFont big = p.font();
    big.setPixelSize(qMax(24, r.height() / 6));
    big.setBold(true);
    p.setFont(big);
    p.setPen(QColor(255, 255, 255, 40));
    const QRect text = r.adjusted(0, 0, -r.width() / 20, -r.height() / 8);
    p.drawText(text, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("PRAMO"));
    QFont small = p.font();
    small.setPixelSize(qMax(12, r.height() / 24));
    small.setBold(false);
    p.setFont(small);
    p.setPen(QColor(255, 255, 255, 70));
    p.drawText(r.adjusted(0, 0, -r.width() / 20, -r.height() / 16), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("V 2015_2"));
}

}  // namespace

WallpaperArea::WallpaperArea(QWidget* parent) : QMdiArea(parent) {}

void WallpaperArea::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = viewport()->rect();
    paintLedger(p, r);
    paintName(p, r);
}

}  // namespace pramo
