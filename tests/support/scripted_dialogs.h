#pragma once

#include <QString>
#include <QStringList>

#include <deque>

#include "ui/dialogs.h"

namespace dirnal::testing {

// Answers questions from a script and records every text shown.
class ScriptedDialogs final : public ui::Dialogs {
public:
    bool askYesNo(const QString& text) override
    {
        questions << text;
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void inform(const QString& text) override { notices << text; }
    void reportError(const QString& text) override { errors << text; }

    std::deque<bool> answers;
    QStringList questions;
    QStringList notices;
    QStringList errors;
};

}  // namespace dirnal::testing
