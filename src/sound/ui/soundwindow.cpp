#include "sound/ui/soundwindow.h"

#include "sound/ui/articlepanel.h"
#include "sound/ui/namedialog.h"
#include "sound/ui/starttimedialog.h"
#include "sound/ui/stopwindow.h"
#include "sound/ui/trackbar.h"
#include "sound/ui/waveformview.h"
#include "store/cursor.h"
#include "store/error.h"
#include "widgets/services.h"
#include "widgets/widgetcolors.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>

namespace sound {

using namespace Qt::StringLiterals;

namespace {

constexpr int kTimerMs = 100;

} // namespace

SoundWindow::SoundWindow(widgets::Services& services, SoundWindowLinks links, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_links(std::move(links))
    , m_wordSound(m_links.mainPlayer)
    , m_stopWindow(new StopWindow(this))
    , m_nameDialog(new NameDialog(services.modals, this))
    , m_startTimeDialog(new StartTimeDialog(services.modals, this)) {
    setObjectName(u"TSound"_s);
    setWindowTitle(u"Vkládání nových zvukových záznamů"_s);
    resize(760, 600);
    m_timer.setObjectName(u"Timer1"_s);
    m_timer.setInterval(kTimerMs);
    connect(&m_timer, &QTimer::timeout, this, &SoundWindow::tick);
    connect(m_stopWindow, &StopWindow::keyLetGo, this,
            [this] { m_letGoMs = hasTake() ? m_recorder->position() : 0; });
    buildLayout();
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_grid, m_trackBar, m_search, m_articlePanel->nameBox(),
                                         m_articlePanel->intervalList()})
        control->installEventFilter(this);
    connect(&m_links.pomTable, &store::Cursor::currentChanged, this, [this] {
        if (isVisible() && m_mode == Mode::Words)
            followWordList();
    });
}

SoundWindow::~SoundWindow() = default;

void SoundWindow::run(const SoundWindowSetup& setup, Mode mode) {
    m_setup = setup;
    prepare(mode);
    m_services.modals.exec(*this);
    giveBack();
}

void SoundWindow::prepare(Mode mode) {
    m_mode = mode;
    m_positionDisplay->setText(u"0.000"_s);
    widgets::setTextColor(m_positionDisplay, Qt::black);
    m_recorder = newRecorder();
    m_takeFile.clear();
    m_selection = {};
    m_scale = {};
    m_fresh = true;
    m_waveform->showSound({});
    for (QWidget* control : std::as_const(m_wordControls))
        control->setVisible(mode == Mode::Words);
    m_articlePanel->setVisible(mode == Mode::Article);
    m_soundButton->setEnabled(false);
    m_deleteButton->setEnabled(false);
    if (mode == Mode::Words) {
        openWordList();
    } else {
        m_links.mainPlayer.stop();
        m_articlePanel->reset();
    }
    m_trackBar->setEnabled(false);
    m_showingPosition = true;
    m_trackBar->setMaximum(1000);
    m_trackBar->setTickInterval(100);
    m_trackBar->setValue(0);
    m_trackBar->setSelection(0, 0);
    m_showingPosition = false;
    m_selectionPanel->hide();
}

void SoundWindow::openWordList() {
    store::Cursor& words = m_links.pomTable;
    try {
        words.setFilter(m_setup.filter);
        words.setFiltered(m_setup.filtered);
        words.setIndexName(m_setup.indexName);
        words.open();
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
    }
    m_search->clear();
    // The words as wide as most words are, the lesson as its title; the file name takes the rest.
    const int wordWidth = 24 * m_grid->fontMetrics().averageCharWidth();
    for (int column : {0, 1})
        m_grid->setColumnWidth(column, wordWidth);
    m_grid->setColumnWidth(2, m_grid->horizontalHeader()->sectionSizeHint(2));
    if (m_gridEditing->isChecked())
        m_gridEditing->setChecked(false);
    followWordList();
}

void SoundWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_mode == Mode::Words)
        m_grid->setFocus();
    else
        m_articlePanel->intervalList()->setFocus();
}

// Closing gives back the word list, the word entry dialog and the recorder.
void SoundWindow::giveBack() {
    m_timer.stop();
    store::Cursor& words = m_links.pomTable;
    if (words.editing()) {
        try {
            words.post();
        } catch (const store::Error& error) {
            words.cancel();
            m_services.messages.error(error.message());
        }
    }
    words.close();
    words.setIndexName(QString());
    m_selectionPanel->hide();
    if (QWidget* dialog = m_wordEntry.data()) {
        m_wordEntry.clear();
        dialog->close();
        dialog->setParent(m_wordEntryParent, m_wordEntryFlags);
    }
    m_recorder.reset();
    m_waveform->showSound({});
    for (QWidget* control : std::as_const(m_wordControls))
        control->show();
    m_articlePanel->hide();
}

std::unique_ptr<MediaPlayer> SoundWindow::newRecorder() {
    auto recorder = std::make_unique<MediaPlayer>(m_services.audioDevice());
    connect(recorder.get(), &MediaPlayer::notify, this,
            [this] { showPosition(m_recorder ? m_recorder->position() : 0); });
    return recorder;
}

bool SoundWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat() && (key->key() == Qt::Key_F11 || key->key() == Qt::Key_F12))
        return true;
    switch (key->key()) {
    case Qt::Key_F11:
        recordTake();
        return true;
    case Qt::Key_F5:
        playSelection();
        return true;
    case Qt::Key_F12:
        playNext();
        return true;
    case Qt::Key_F9:
        if (m_mode == Mode::Article)
            insertInterval();
        else
            assignToWord();
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void SoundWindow::showAddedEntry(const QString& other, const QString& czech) {
    store::Cursor& words = m_links.pomTable;
    if (!isVisible() || m_mode != Mode::Words || !words.active())
        return;
    try {
        words.refresh();
        words.findKey({other, czech});
    } catch (const store::Error& error) {
        m_services.messages.error(error.message());
    }
    followWordList();
}

void SoundWindow::openWordEntry() {
    QWidget* dialog = m_links.wordEntry ? m_links.wordEntry() : nullptr;
    if (!dialog)
        return;
    // A window of its own beside this modal one takes input only as its child.
    if (!m_wordEntry) {
        m_wordEntry = dialog;
        m_wordEntryParent = dialog->parentWidget();
        m_wordEntryFlags = dialog->windowFlags();
        dialog->setParent(this, m_wordEntryFlags);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    reloadWordSound();
}

} // namespace sound
