// The main window's article commands: practising one article in the article window and
// playing whole articles one after another.
#include "shell/ui/mainwindow.h"

#include "entry/ui/wordentrydialog.h"
#include "shell/ui/dictionarypane.h"
#include "shell/ui/maindialogs.h"
#include "sound/articleui/articlechooser.h"
#include "sound/articleui/articlewindow.h"

#include <QDir>

namespace shell {

namespace {

QString practiceFolder(const app::RunState& state) {
    return QDir(state.userFolder()).filePath(QStringLiteral("practice"));
}

} // namespace

void MainWindow::practiseArticle() {
    // The article's texts are shown in the dictionary's foreign font.
    if (!m_pane->table1().active()) {
        m_services.messages.error(
            QStringLiteral("Je nutné vybrat nějaký slovník pro nastavení znakové sady."));
        return;
    }
    m_player.stop();
    const std::optional<QStringList> chosen =
        m_dialogs->articleChooser->choose(practiceFolder(m_state), false);
    if (!chosen || chosen->isEmpty())
        return;
    entry::CharacterMenu& menu = m_dialogs->wordEntry->foreignMenu();
    m_dialogs->articleWindow->setCharacterMenu([&menu](QWidget* field, bool attach) {
        if (attach)
            menu.attach(field);
        else
            menu.detach(field);
    });
    m_dialogs->articleWindow->run(QDir(practiceFolder(m_state)).filePath(chosen->first()),
                                  m_pane->fonts().other, *m_state.foreignCodePage);
}

void MainWindow::playArticles() {
    m_player.stop();
    const std::optional<QStringList> chosen =
        m_dialogs->articleChooser->choose(practiceFolder(m_state), true);
    if (!chosen)
        return;
    QStringList folders;
    for (const QString& name : *chosen)
        folders << QDir(practiceFolder(m_state)).filePath(name);
    m_dialogs->articleWindow->playArticles(folders);
}

} // namespace shell
