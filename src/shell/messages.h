#pragma once
// Where messages are shown: on screen in the program, into a script in tests. The core answers
// its messages in outcomes; the shell and the screens show them here.

#include <string>
#include <string_view>

#include "records/store/warnings.h"

namespace pramo {

class Messages {
public:
    virtual ~Messages() = default;
    // Shows the box and answers the button chosen (a Button value, or 1.. for named buttons).
    virtual int ask(const MessageBox& box) = 0;
    // Ends the program with its last message.
    virtual void halt(const std::string& text) = 0;
};

// Shows the box, then ends the program when the box says so; answers the button chosen.
inline int show(Messages& messages, const MessageBox& box) {
    const int answer = messages.ask(box);
    if (box.ends(answer)) messages.halt(box.haltText);
    return answer;
}

// STANDARDWARNING: shows warning `id` with the saved error when one is saved (it is used once),
// otherwise the store's current error; ends the program where the warning says so.
inline int showWarning(Messages& messages, Store& store, Warning id, std::string_view name = {},
                       std::string_view operation = {}) {
    return show(messages, standardWarning(store, id, name, operation));
}

// Shows an outcome's message when it has one; answers its result.
template <class R>
R shown(Messages& messages, const Outcome<R>& outcome) {
    if (outcome.message) show(messages, *outcome.message);
    return outcome.result;
}

}  // namespace pramo
