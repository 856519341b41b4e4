#pragma once

#include "widgets/filepicker.h"

#include <gtest/gtest.h>

#include <deque>

// The file-open dialog for tests: answers each request with the next scripted file (or a
// cancel) and records the filter and folder it was asked with.
class ScriptedFiles : public widgets::FilePicker {
public:
    void answer(std::optional<QString> file) { m_answers.push_back(std::move(file)); }
    bool allAnswersUsed() const { return m_answers.empty(); }

    std::optional<QString> pickFileToOpen(const QString& filter, const QString& folder,
                                          QWidget*) override {
        requests.push_back({filter, folder});
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return std::nullopt;
        }
        std::optional<QString> next = m_answers.front();
        m_answers.pop_front();
        return next;
    }

    struct Request {
        QString filter;
        QString folder;
    };
    std::vector<Request> requests;

private:
    std::deque<std::optional<QString>> m_answers;
};
