#pragma once

#include "widgets/filepicker.h"

#include <gtest/gtest.h>

#include <deque>

// The file dialogs for tests: answer each request with the next scripted file (or a cancel)
// and record the filter and folder (or default extension) they were asked with.
class ScriptedFiles : public widgets::FilePicker {
public:
    void answer(std::optional<QString> file) { m_answers.push_back(std::move(file)); }
    bool allAnswersUsed() const { return m_answers.empty(); }

    std::optional<QString> pickFileToOpen(const QString& filter, const QString& folder,
                                          QWidget*) override {
        return next({filter, folder});
    }
    std::optional<QString> pickFileToSave(const QString& filter, const QString& defaultSuffix,
                                          QWidget*) override {
        return next({filter, defaultSuffix});
    }

    struct Request {
        QString filter;
        QString folder;
    };
    std::vector<Request> requests;

private:
    std::optional<QString> next(Request request) {
        requests.push_back(std::move(request));
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return std::nullopt;
        }
        std::optional<QString> chosen = m_answers.front();
        m_answers.pop_front();
        return chosen;
    }

    std::deque<std::optional<QString>> m_answers;
};
