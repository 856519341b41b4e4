#pragma once

#include "widgets/fontpicker.h"

#include <gtest/gtest.h>

#include <deque>

// The font dialog for tests: answers each request with the next scripted font (or a
// cancel) and records the size range it was asked for.
class ScriptedFonts : public widgets::FontPicker {
public:
    void answer(std::optional<QFont> font) { m_answers.push_back(std::move(font)); }

    std::optional<QFont> pick(const QFont& initial, int minimumSize, int maximumSize,
                              QWidget*) override {
        requests.push_back({initial, minimumSize, maximumSize});
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected font dialog";
            return std::nullopt;
        }
        std::optional<QFont> next = m_answers.front();
        m_answers.pop_front();
        return next;
    }

    struct Request {
        QFont initial;
        int minimumSize;
        int maximumSize;
    };
    std::vector<Request> requests;

private:
    std::deque<std::optional<QFont>> m_answers;
};
