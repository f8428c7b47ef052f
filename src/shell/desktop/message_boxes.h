#pragma once
// Message boxes on screen: the standard warnings and the boxes with caller-named buttons shown as
// QMessageBox, and the end of the program after its last message.

#include <functional>
#include <memory>
#include <string>

#include "shell/messages.h"

class QMessageBox;
class QWidget;

namespace pramo {

// The box that shows `box`, not yet shown. Every button carries the answer it gives; a named box
// is closed (Escape, the window's close button) as if its last button had been chosen.
std::unique_ptr<QMessageBox> makeMessageBox(const MessageBox& box, QWidget* parent);

// The answer of a shown box: the Button value of the standard button clicked, or 1..n for the
// caller-named buttons.
int answerOf(const QMessageBox& shown);

class QtMessages final : public Messages {
public:
    // Ends the program with an exit code; tests put their own in place of std::exit.
    using ExitFunction = std::function<void(int)>;

    explicit QtMessages(ExitFunction exit = {});

    int ask(const MessageBox& box) override;
    // Shows `text` as the program's last message, then ends the program.
    void halt(const std::string& text) override;

private:
    ExitFunction exit_;
};

}  // namespace pramo
