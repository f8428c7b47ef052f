#include "preview/page.h"

namespace pramo {

Page& Page::text(QPointF at, QString text, const PageFont& font, Align align, double width) {
    return add(TextRun{at, std::move(text), font, align, width});
}

Page& Page::line(QPointF from, QPointF to, double pen) {
    return add(PageLine{from, to, pen});
}

Page& Page::box(QRectF rect, double pen, double shade) {
    return add(PageBox{rect, pen, shade});
}

QString visibleText(QString text) {
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control) c = QChar::ReplacementCharacter;  // "�", which every font draws
    }
    return text;
}

Page& Page::add(PageItem item) {
    if (auto* run = std::get_if<TextRun>(&item)) run->text = visibleText(std::move(run->text));
    items_.push_back(std::move(item));
    return *this;
}

}  // namespace pramo
