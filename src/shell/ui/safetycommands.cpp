// The main window's commands that keep the user's data safe: the user held for the whole run,
// the data check, and the dictionary's safety copies taken before bulk work and put back.
#include "shell/ui/mainwindow.h"

#include "core/usererror.h"
#include "shell/datacheck.h"
#include "shell/ui/datacheckdialog.h"
#include "shell/ui/dictionarypane.h"
#include "shell/ui/safetycopydialog.h"
#include "shell/userlock.h"

#include <QApplication>
#include <QFileInfo>

namespace shell {

using namespace Qt::StringLiterals;

bool MainWindow::holdUser(const QString& user) {
    auto lock = std::make_unique<UserLock>(m_state.path(user));
    try {
        lock->acquire(user);
    } catch (const UserHeldError& error) {
        m_services.messages.error(error.message());
        return false;
    }
    m_userLock = std::move(lock);
    return true;
}

void MainWindow::checkData() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DataCheckReport report = shell::checkData(m_state.applicationFolder, {m_state.userName});
    QApplication::restoreOverrideCursor();
    DataCheckDialog(m_services, this).show(report.lines());
}

exchange::BeforeChange MainWindow::safetyCopyBefore(BulkWork work) {
    return [this, work] {
        SafetyCopies(m_pane->table1().databaseName()).take(work, m_services.clock.now());
    };
}

bool MainWindow::takeSafetyCopy(BulkWork work) {
    return exchange::prepareChange(safetyCopyBefore(work), m_services.messages);
}

void MainWindow::restoreSafetyCopy() {
    if (!m_pane->dictionaryOpen())
        return;
    const QString folder = m_pane->table1().databaseName();
    const QString name = QFileInfo(folder).fileName();
    SafetyCopies copies(folder);
    const std::vector<SafetyCopy> kept = copies.list();
    if (kept.empty()) {
        m_services.messages.information(
            u"Slovník „%1“ zatím nemá žádnou bezpečnostní kopii. Program ji pořizuje sám před "
            "každou hromadnou změnou slovníku: importem, přegenerováním, přehodnocením výrazů s "
            "čárkou, hromadnou změnou lekce, hledáním lekcí slovíček v lekci 0 a načtením "
            "nastavení slovníku."_s.arg(name));
        return;
    }
    QStringList texts;
    for (const SafetyCopy& copy : kept)
        texts << copy.text();
    const std::optional<int> chosen = SafetyCopyDialog(m_services, this).run(name, texts);
    if (!chosen)
        return;
    // No cursor of the program may stand on the table while its content is put back.
    m_pane->finishGridRow();
    m_pane->table1().close();
    m_pane->pomTable().close();
    try {
        copies.restore(kept[static_cast<size_t>(*chosen)], m_services.clock.now());
        m_services.messages.information(
            u"Slovník „%1“ je vrácen do stavu z %2. Stav před "
            "obnovením je uložen jako nejnovější bezpečnostní kopie."_s.arg(name, texts[*chosen]));
    } catch (const core::UserError& error) {
        m_services.messages.error(error.message());
    }
    m_pane->openSelectedDictionary();
}

} // namespace shell
