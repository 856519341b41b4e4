#include "shell/ui/maindialogs.h"

#include "dictionary/ui/newdictionarydialog.h"
#include "dictionary/ui/settingssetchooser.h"
#include "entry/ui/evaluationsettingsdialog.h"
#include "entry/ui/splitquestiondialog.h"
#include "entry/ui/wordentrydialog.h"
#include "exam/ui/examsettingsdialog.h"
#include "exam/ui/examwindow.h"
#include "exchange/ui/bulkchangedialog.h"
#include "exchange/ui/lessonselectiondialog.h"
#include "shell/ui/aboutbox.h"
#include "shell/ui/admindialog.h"
#include "shell/ui/logindialog.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/passworddialog.h"

#include <QStatusBar>

namespace shell {

MainDialogs::MainDialogs(widgets::Services& services, app::RunState& state, store::Cursor& users,
                         sound::MediaPlayer& player, MainWindow& window)
    : wordEntry(new entry::WordEntryDialog(services, state, &window))
    , login(new LoginDialog(services, state, users, &window))
    , admin(new AdminDialog(services, state, &window))
    , password(new PasswordDialog(services, state, &window))
    , newDictionary(new dictionary::NewDictionaryDialog(services, state, &window))
    , about(new AboutBox(services, &window))
    , examSettings(new exam::ExamSettingsDialog(services, state, &window))
    , examWindow(new exam::ExamWindow(
          services, state, player,
          [&window](const QString& text) { window.statusBar()->showMessage(text); }, &window))
    , evaluationSettings(new entry::EvaluationSettingsDialog(services, state, &window))
    , splitQuestion(new entry::SplitQuestionDialog(services, state, &window))
    , settingsSetChooser(new dictionary::SettingsSetChooser(services, state, &window))
    , bulkLessonChange(new exchange::BulkChangeDialog(services, &window))
    , lessonSelection(new exchange::LessonSelectionDialog(services, &window)) {}

QList<QWidget*> MainDialogs::sizedBySettings() const {
    return {about,         login,        wordEntry,          admin,        password,
            newDictionary, examSettings, evaluationSettings, splitQuestion};
}

} // namespace shell
