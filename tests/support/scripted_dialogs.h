#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/dialogs.h"

namespace dirnal::testing {

// Answers questions from a script (No once it runs out) and records every
// text shown.
class ScriptedDialogs final : public Dialogs {
public:
    bool askYesNo(const std::string& text) override
    {
        questions.push_back(text);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void inform(const std::string& text) override { notices.push_back(text); }
    void reportError(const std::string& text) override { errors.push_back(text); }

    std::deque<bool> answers;
    std::vector<std::string> questions;
    std::vector<std::string> notices;
    std::vector<std::string> errors;
};

}  // namespace dirnal::testing
