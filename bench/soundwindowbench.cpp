#include "soundwindowbench.h"

#include "stopwatch.h"

#include "core/clock.h"
#include "core/randomsource.h"
#include "dictionary/wordlist.h"
#include "dictionary/wordtablemodel.h"
#include "sound/audiodevicefactory.h"
#include "sound/ui/soundwindow.h"
#include "store/cursor.h"
#include "widgets/desktopshell.h"
#include "widgets/filedialogpicker.h"
#include "widgets/fontdialogpicker.h"
#include "widgets/qtmessages.h"
#include "widgets/services.h"
#include "widgets/xkbkeyboardlayouts.h"

#include <QFileInfo>

namespace bench {
namespace {

// Shows the window, paints it once and closes it at once, taking the time of the painted
// window.
class PaintOnce : public widgets::ModalRunner {
public:
    explicit PaintOnce(const Stopwatch& clock)
        : m_clock(clock) {}
    int exec(QDialog& dialog) override {
        dialog.show();
        dialog.grab();
        elapsed = m_clock.elapsedMicroseconds();
        dialog.hide();
        return QDialog::Rejected;
    }
    double elapsed = 0;

private:
    const Stopwatch& m_clock;
};

} // namespace

double openSoundWindow(const QString& path) {
    Stopwatch clock;
    widgets::QtMessages messages;
    PaintOnce modals(clock);
    widgets::DesktopShell system;
    core::SystemClock time;
    widgets::FontDialogPicker fonts;
    widgets::FileDialogPicker files;
    core::ClockRandomSource random(time);
    widgets::XkbKeyboardLayouts layouts;
    widgets::Services services{messages, modals, system, time,   &sound::createAudioDevice,
                               fonts,    files,  random, layouts};
    store::Cursor pomTable;
    const QFileInfo file(path);
    pomTable.setDatabaseName(file.absolutePath());
    pomTable.setTableName(file.fileName());
    dictionary::WordTableModel rows(pomTable);
    rows.setColumns({{QStringLiteral("Other"), QStringLiteral("Angličtina"), 140},
                     {QStringLiteral("Czech"), QStringLiteral("Česky"), 140},
                     {QStringLiteral("Lekce"), QStringLiteral("Lekce"), 50},
                     {QStringLiteral("Otherzk"), QStringLiteral("Název souboru"), 140}});
    sound::MediaPlayer player;
    sound::SoundWindow window(services, {pomTable, rows, player, {}, {}, {}, {}});
    sound::SoundWindowSetup setup;
    setup.soundFolder = file.absolutePath() + u'/';
    setup.indexName = dictionary::sortIndexName(1, true);
    clock.restart();
    window.run(setup, sound::SoundWindow::Mode::Words);
    return modals.elapsed;
}

} // namespace bench
