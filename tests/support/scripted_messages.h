#pragma once
// Messages for tests: records every box shown and answers from a script (default: the box's
// default button); a halt is recorded instead of ending the test program.

#include <deque>
#include <string>
#include <vector>

#include "shell/messages.h"

namespace pramo::test {

class ScriptedMessages : public Messages {
public:
    int ask(const MessageBox& box) override {
        shown.push_back(box);
        if (answers.empty()) return box.defaultButton;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    void halt(const std::string& text) override { halts.push_back(text); }

    std::deque<int> answers;
    std::vector<MessageBox> shown;
    std::vector<std::string> halts;
};

}  // namespace pramo::test
