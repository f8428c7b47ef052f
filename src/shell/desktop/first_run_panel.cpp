#include "shell/desktop/first_run_panel.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace pramo {

FirstRunPanel::FirstRunPanel(AppContext& ctx, const std::vector<FirstRunStep>& steps, QWidget* parent)
    : QFrame(parent), ctx_(ctx), steps_(steps) {
    setObjectName("prviKoraci");
    setStyleSheet("QFrame#prviKoraci { background: #fdf6e3; border-bottom: 2px solid #b58900; }");
    auto* grid = new QGridLayout(this);
    auto* title = new QLabel("<b>Prvi koraci</b> — u ovim podacima još nema:", this);
    grid->addWidget(title, 0, 0, 1, 2);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        auto* lacking = new QLabel(steps[i].lacking, this);
        auto* button = new QPushButton(QString("&%1  %2").arg(row).arg(steps[i].action), this);
        button->setAutoDefault(true);  // Enter on the focused step runs it
        connect(button, &QPushButton::clicked, this, [this, i] { run(i); });
        grid->addWidget(lacking, row, 0);
        grid->addWidget(button, row, 1, Qt::AlignLeft);
        rows_.push_back(lacking);
        buttons_.push_back(button);
    }
    auto* hint = new QLabel("Pritisnite broj koraka (ili Alt i broj). Ništa se ne učitava dok to ne odaberete.", this);
    grid->addWidget(hint, static_cast<int>(steps.size()) + 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

bool FirstRunPanel::lacking(const FirstRunStep& step) {
    FileUse use(ctx_.files, {step.file});
    std::int64_t n = 0;
    return use.ok() && ok(ctx_.store.count(*step.file, n)) && n == 0;
}

bool FirstRunPanel::refresh() {
    bool any = false;
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        const bool offered = lacking(steps_[i]);
        rows_[i]->setVisible(offered);
        buttons_[i]->setVisible(offered);
        any = any || offered;
    }
    setVisible(any);
    return any;
}

void FirstRunPanel::focusFirst() {
    for (QPushButton* b : buttons_)
        if (!b->isHidden()) return b->setFocus(Qt::OtherFocusReason);
}

void FirstRunPanel::run(std::size_t step) {
    const FirstRunStep& s = steps_[step];
    if (s.insertInto) return emit insertRequested(*s.insertInto);
    if (!s.load) return;
    const std::string text = s.load(ctx_);
    if (!text.empty()) emit said(QString::fromStdString(text));
    if (refresh()) focusFirst();
}

// The step's number, while its row is offered.
void FirstRunPanel::keyPressEvent(QKeyEvent* event) {
    const int n = event->key() - Qt::Key_1;
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && n >= 0 && n < static_cast<int>(buttons_.size()) &&
        !buttons_[static_cast<std::size_t>(n)]->isHidden())
        return buttons_[static_cast<std::size_t>(n)]->click();
    QFrame::keyPressEvent(event);
}

}  // namespace pramo
