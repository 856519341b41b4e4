#pragma once

#include "widgets/filepicker.h"
#include "widgets/fontpicker.h"

#include <gtest/gtest.h>

#include <deque>

// A dialog that picks something, for tests: answers each request with the next scripted
// value (or a cancel) and records what it was asked with.
template <typename Value, typename Request> class ScriptedPicker {
public:
    void answer(std::optional<Value> value) { m_answers.push_back(std::move(value)); }
    bool allAnswersUsed() const { return m_answers.empty(); }

    std::vector<Request> requests;

protected:
    std::optional<Value> next(const char* dialog, Request request) {
        requests.push_back(std::move(request));
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected " << dialog;
            return std::nullopt;
        }
        std::optional<Value> value = std::move(m_answers.front());
        m_answers.pop_front();
        return value;
    }

private:
    std::deque<std::optional<Value>> m_answers;
};

struct FileRequest {
    QString filter;
    QString folder; // or the default extension of a file to save
};

// The file dialogs: a file to open or to save.
class ScriptedFiles : public widgets::FilePicker, public ScriptedPicker<QString, FileRequest> {
public:
    std::optional<QString> pickFileToOpen(const QString& filter, const QString& folder,
                                          QWidget*) override {
        return next("file dialog", {filter, folder});
    }
    std::optional<QString> pickFileToSave(const QString& filter, const QString& defaultSuffix,
                                          QWidget*) override {
        return next("file dialog", {filter, defaultSuffix});
    }
};

struct FontRequest {
    QFont initial;
    int minimumSize;
    int maximumSize;
};

// The font dialog: a font in the size range.
class ScriptedFonts : public widgets::FontPicker, public ScriptedPicker<QFont, FontRequest> {
public:
    std::optional<QFont> pick(const QFont& initial, int minimumSize, int maximumSize,
                              QWidget*) override {
        return next("font dialog", {initial, minimumSize, maximumSize});
    }
};
