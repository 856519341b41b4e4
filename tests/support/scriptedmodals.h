#pragma once

#include "widgets/modalrunner.h"

#include <QHash>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>

// Modal dialogs for tests: instead of running its own event loop, a dialog is shown and
// the next script written for its object name fills it and presses its buttons, as a user
// would. A dialog without a script, or one its script leaves open, fails the test.
class ScriptedModals : public widgets::ModalRunner {
public:
    using Script = std::function<void(QDialog&)>;

    void script(const QString& dialogName, Script script) {
        m_scripts[dialogName].push_back(std::move(script));
    }
    bool allScriptsUsed() const {
        return std::all_of(m_scripts.begin(), m_scripts.end(),
                           [](const auto& scripts) { return scripts.empty(); });
    }

    int exec(QDialog& dialog) override {
        shownDialogs << dialog.objectName();
        auto& scripts = m_scripts[dialog.objectName()];
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        if (scripts.empty()) {
            ADD_FAILURE() << "no script for dialog " << dialog.objectName().toStdString();
            dialog.reject();
            return QDialog::Rejected;
        }
        const Script next = std::move(scripts.front());
        scripts.pop_front();
        next(dialog);
        if (dialog.isVisible()) {
            ADD_FAILURE() << "the script left dialog " << dialog.objectName().toStdString()
                          << " open";
            dialog.hide();
        }
        return dialog.result();
    }

    QStringList shownDialogs;

private:
    QHash<QString, std::deque<Script>> m_scripts;
};
