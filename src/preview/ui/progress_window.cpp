#include "preview/ui/progress_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace pramo {

namespace {
constexpr int eventsEveryMs = 40;  // how often the window answers the user while a report runs
}

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent), bar_(new QProgressBar(this)), share_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Generating Report"));
    setWindowModality(Qt::ApplicationModal);
    bar_->setRange(0, 100);
    share_->setAlignment(Qt::AlignCenter);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(cancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addWidget(share_);
    layout->addWidget(cancel, 0, Qt::AlignCenter);
    setMinimumWidth(300);
}

void ProgressWindow::start(std::int64_t total) {
    total_ = total;
    cancelled_ = false;
    bar_->setRange(0, total > 0 ? 100 : 0);  // no total: a busy bar
    bar_->setValue(0);
    share_->setText(total > 0 ? QStringLiteral("0% Completed") : QString());
    show();
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

bool ProgressWindow::advance(std::int64_t done) {
    if (sinceEvents_.elapsed() < eventsEveryMs) return !cancelled_;
    if (total_ > 0) {
        const int percent = static_cast<int>(std::min<std::int64_t>(100, done * 100 / total_));
        bar_->setValue(percent);
        share_->setText(QStringLiteral("%1% Completed").arg(percent));
    }
    QCoreApplication::processEvents();
    sinceEvents_.restart();
    return !cancelled_;
}

void ProgressWindow::finish() {
    hide();
}

}  // namespace pramo
