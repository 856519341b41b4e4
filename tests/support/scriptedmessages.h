#pragma once

#include "core/messages.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <deque>

using namespace Qt::StringLiterals;

// Message boxes for tests: records every message shown as "kind: text" (a dangerous
// confirmation as "dangerous confirm: text") and answers confirmations and questions from
// a script. A question the script did not expect is a test failure (and is answered "no").
class ScriptedMessages : public core::Messages {
public:
    void error(const QString& text) override { shown << u"error: "_s + text; }
    void warning(const QString& text) override { shown << u"warning: "_s + text; }
    void information(const QString& text) override { shown << u"information: "_s + text; }
    bool confirm(const QString& text) override { return answerTo(u"confirm: "_s + text); }
    bool confirmDangerous(const QString& text) override {
        return answerTo(u"dangerous confirm: "_s + text);
    }
    bool ask(const QString& text) override { return answerTo(u"ask: "_s + text); }

    // The answers to the coming confirmations and questions, in order.
    void answer(std::initializer_list<bool> answers) {
        m_answers.insert(m_answers.end(), answers.begin(), answers.end());
    }
    bool allAnswersUsed() const { return m_answers.empty(); }

    QStringList shown;

private:
    // Records the question and gives the next answer.
    bool answerTo(const QString& question) {
        shown << question;
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected " << question.toStdString();
            return false;
        }
        const bool answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    std::deque<bool> m_answers;
};
