#pragma once

#include "app/runstate.h"
#include "widgets/services.h"

#include <QList>

class QWidget;

namespace sound {
class MediaPlayer;
}

namespace store {
class Cursor;
}

namespace dictionary {
class NewDictionaryDialog;
class SettingsSetChooser;
} // namespace dictionary

namespace entry {
class EvaluationSettingsDialog;
class SplitQuestionDialog;
class WordEntryDialog;
} // namespace entry

namespace exam {
class ExamSettingsDialog;
class ExamWindow;
} // namespace exam

namespace exchange {
class BulkChangeDialog;
class LessonSelectionDialog;
} // namespace exchange

namespace shell {

class AboutBox;
class AdminDialog;
class LoginDialog;
class PasswordDialog;
class MainWindow;

// The windows the main window makes once at start, in this order after it, as its children.
struct MainDialogs {
    MainDialogs(widgets::Services& services, app::RunState& state, store::Cursor& users,
                sound::MediaPlayer& player, MainWindow& window);

    // The dialogs whose font size follows setting.ini's.
    QList<QWidget*> sizedBySettings() const;

    entry::WordEntryDialog* wordEntry;
    LoginDialog* login;
    AdminDialog* admin;
    PasswordDialog* password;
    dictionary::NewDictionaryDialog* newDictionary;
    AboutBox* about;
    exam::ExamSettingsDialog* examSettings;
    exam::ExamWindow* examWindow;
    entry::EvaluationSettingsDialog* evaluationSettings;
    entry::SplitQuestionDialog* splitQuestion;
    dictionary::SettingsSetChooser* settingsSetChooser;
    exchange::BulkChangeDialog* bulkLessonChange;
    exchange::LessonSelectionDialog* lessonSelection;
};

} // namespace shell
