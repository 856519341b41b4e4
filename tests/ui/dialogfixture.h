#pragma once

#include "../shell/appfolderfixture.h"
#include "recordingshell.h"
#include "scriptedfiles.h"
#include "scriptedfonts.h"
#include "scriptedmodals.h"
#include "scriptedrandom.h"
#include "widgets/services.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

// An application folder and the services of a dialog test: scripted dialogs and
// messages, a recording operating system.
class DialogFixture : public AppFolderFixture {
protected:
    void TearDown() override {
        EXPECT_TRUE(modals.allScriptsUsed());
        EXPECT_TRUE(messages.allAnswersUsed());
    }

    template <typename Widget> static Widget& child(QDialog& dialog, const QString& name) {
        auto* widget = dialog.findChild<Widget*>(name);
        if (widget == nullptr)
            throw std::runtime_error("no control " + name.toStdString());
        return *widget;
    }
    static void click(QDialog& dialog, const QString& buttonName) {
        QTest::mouseClick(&child<QAbstractButton>(dialog, buttonName), Qt::LeftButton);
    }
    // Types into a box as a user would, key by key.
    static void type(QDialog& dialog, const QString& editName, const QString& text) {
        QTest::keyClicks(&child<QLineEdit>(dialog, editName), text);
    }
    static QString text(QDialog& dialog, const QString& editName) {
        return child<QLineEdit>(dialog, editName).text();
    }

    ScriptedModals modals;
    RecordingShell system;
    FixedClock clock;
    ScriptedFonts fonts;
    ScriptedFiles files;
    ScriptedRandom random;
    shell::Services services{messages, modals, system, clock, {}, fonts, files, random};
};
