#pragma once
// The first run, as part of the main window: while the books lack what the registered first-run
// steps provide (the municipalities, the income types, a payer), a band above the child windows
// says what is missing and offers each step with one key: its number (or Alt and its number, from
// anywhere in the main window), or Enter on its button. A row goes once its file has a record, the
// band with the last one. Nothing is loaded without the user's key.

#include <QFrame>
#include <vector>

#include "shell/screen_registry.h"

class QPushButton;

namespace pramo {

class FirstRunPanel : public QFrame {
    Q_OBJECT
public:
    FirstRunPanel(AppContext& ctx, const std::vector<FirstRunStep>& steps, QWidget* parent = nullptr);

    // Shows the steps whose file is still empty and hides the others; the band hides with the last
    // (false then).
    bool refresh();
    // The focus on the first step still offered.
    void focusFirst();

signals:
    void insertRequested(MenuCommand command);  // a step enters the first record in a list's form
    void said(const QString& text);             // what a step loaded

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void run(std::size_t step);
    bool lacking(const FirstRunStep& step);

    AppContext& ctx_;
    const std::vector<FirstRunStep>& steps_;
    std::vector<QWidget*> rows_;
    std::vector<QPushButton*> buttons_;
};

}  // namespace pramo
