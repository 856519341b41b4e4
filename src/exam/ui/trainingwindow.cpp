#include "exam/ui/trainingwindow.h"

#include "app/helppages.h"
#include "app/runstate.h"
#include "app/tempfolder.h"
#include "sound/mediaplayer.h"
#include "widgets/namedwidgets.h"
#include "widgets/services.h"
#include "widgets/widgetcolors.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace exam {

using namespace Qt::StringLiterals;

TrainingWindow::TrainingWindow(widgets::Services& services, const app::RunState& state,
                               sound::MediaPlayer& player, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_state(state)
    , m_player(player) {
    setObjectName(u"TTraining"_s);
    setWindowTitle(u"Zkoušení výslovnosti"_s);
    buildControls();
    m_timer = new QTimer(this);
    m_timer->setObjectName(u"Timer1"_s);
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &TrainingWindow::tick);
}

TrainingWindow::~TrainingWindow() = default;

void TrainingWindow::buildControls() {
    m_mode = widgets::named(new QComboBox(this), "ComboBoxType");
    m_mode->addItems(trainingModeItems());
    m_addedTime = widgets::named(new QComboBox(this), "ComboBox1");
    m_addedTime->addItems(addedTimeItems());
    m_addedCaption = widgets::label(u"Label3"_s, {}, this);
    m_showCzech = widgets::checkBox(u"CheckBox1"_s, u"zobrazovat"_s, this);
    m_minimize = widgets::checkBox(u"Minimize"_s, u"Minimalizuj"_s, this);
    m_afterStart = widgets::label(u"Label5"_s, u"(po startu)"_s, this);
    m_word = widgets::label(u"Slovicko"_s, {}, this);
    m_word->setMinimumHeight(36);
    m_word->setAutoFillBackground(true);
    m_czechTitle = widgets::label(u"Label2"_s, u"Česky:"_s, this);
    m_czech = widgets::label(u"LabelC"_s, {}, this);
    m_status = widgets::label(u"Status"_s, {}, this);
    QFont statusFont = m_status->font();
    statusFont.setBold(true);
    m_status->setFont(statusFont);
    m_progress = widgets::named(new QProgressBar(this), "ProgressBar1");
    m_trackBar = widgets::named(new QSlider(Qt::Horizontal, this), "TrackBar1");
    m_trackBar->setTickPosition(QSlider::TicksBelow);
    m_start = widgets::named(new QPushButton(u"START"_s, this), "Button1");
    m_replay = widgets::named(new QPushButton(u"Přehrej"_s, this), "Button2");
    m_close = widgets::named(new QPushButton(u"Zavři"_s, this), "Button4");
    auto* help = widgets::named(new QToolButton(this), "SpeedButton5");
    help->setText(u"?"_s);
    for (QPushButton* button : {m_start, m_replay, m_close})
        button->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(widgets::label(u"Label4"_s, u"Režim:"_s, this), 0, 0);
    grid->addWidget(m_mode, 0, 1, 1, 3);
    grid->addWidget(help, 0, 4);
    grid->addWidget(widgets::label(u"Label1"_s, u"Přidat"_s, this), 1, 0);
    auto* added = new QHBoxLayout;
    added->addWidget(m_addedTime);
    added->addWidget(m_addedCaption, 1);
    grid->addLayout(added, 1, 1, 1, 3);
    auto* options = new QHBoxLayout;
    options->addWidget(m_showCzech);
    options->addWidget(m_minimize);
    options->addWidget(m_afterStart);
    options->addStretch();
    grid->addLayout(options, 2, 1, 1, 3);
    grid->addWidget(widgets::label(u"Label6"_s, u"Slovíčko:"_s, this), 3, 0);
    grid->addWidget(m_word, 3, 1, 1, 4);
    grid->addWidget(m_czechTitle, 4, 0);
    grid->addWidget(m_czech, 4, 1, 1, 4);
    grid->addWidget(m_status, 5, 1, 1, 4);
    grid->addWidget(m_progress, 6, 0, 1, 5);
    grid->addWidget(m_trackBar, 7, 0, 1, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(m_replay);
    buttons->addStretch();
    buttons->addWidget(m_close);
    grid->addLayout(buttons, 8, 0, 1, 5);
    grid->setColumnStretch(2, 1);
    resize(560, 330);

    connect(m_mode, &QComboBox::currentIndexChanged, this,
            [this] { m_addedCaption->setText(addedTimeCaption(mode())); });
    connect(m_start, &QPushButton::clicked, this, &TrainingWindow::startOrInterrupt);
    connect(m_replay, &QPushButton::clicked, this, &TrainingWindow::replayOrStop);
    connect(m_close, &QPushButton::clicked, this, &TrainingWindow::closeWindow);
    connect(help, &QToolButton::clicked, this, [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kExamSettings);
    });
}

TrainingMode TrainingWindow::mode() const {
    return static_cast<TrainingMode>(std::max(m_mode->currentIndex(), 0));
}

QString TrainingWindow::tempFolder() const {
    return m_state.path(u"Temp"_s);
}

void TrainingWindow::run(const ExamTables& tables, int repetitions, const QFont& foreignFont) {
    m_tables.emplace(tables);
    QFont wordFont = foreignFont;
    wordFont.setPointSize(14);
    m_word->setFont(wordFont);
    m_progress->setRange(0, std::max(repetitions, 1));
    // The session filters the tables; it ends before whoever prepared them closes them.
    const auto forget = qScopeGuard([this] {
        m_session.reset();
        m_tables.reset();
    });
    showReady();
    m_services.modals.exec(*this);
}

void TrainingWindow::showReady() {
    m_closed = false;
    m_waiting = false;
    if (m_mode->currentIndex() < 0)
        m_mode->setCurrentIndex(0);
    m_addedCaption->setText(addedTimeCaption(mode()));
    m_replay->hide();
    m_replay->setText(u"Přehrej"_s);
    app::emptyTempFolder(tempFolder());
    m_status->setText(u"Začátek - stiskni start"_s);
    widgets::setTextColor(m_status, Qt::blue);
    m_word->clear();
    widgets::setBackgroundColor(m_word, palette().color(QPalette::Window));
    widgets::setTextColor(m_word, Qt::blue);
    m_addedTime->setCurrentText(QString::fromUtf16(kAddedTimePreset));
    m_trackBar->setRange(0, 1);
    m_trackBar->setValue(0);
    m_trackBar->setEnabled(false);
    m_czech->clear();
    m_czech->hide();
    m_czechTitle->show();
    m_showCzech->setChecked(true);
    m_showCzech->show();
    m_minimize->show();
    m_afterStart->show();
    m_progress->setValue(0);
    m_start->setText(u"START"_s);
    for (QWidget* control : {static_cast<QWidget*>(m_start), static_cast<QWidget*>(m_close),
                             static_cast<QWidget*>(m_mode), static_cast<QWidget*>(m_addedTime)})
        control->setEnabled(true);
}

void TrainingWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (m_state.escapeMinimizes) {
            for (QWidget* window : QApplication::topLevelWidgets())
                window->showMinimized();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void TrainingWindow::reject() {
    // Esc minimises at most; the close box and "Zavři" close.
}

void TrainingWindow::closeEvent(QCloseEvent* event) {
    closeWindow();
    event->accept();
}

void TrainingWindow::closeWindow() {
    if (m_closed)
        return;
    m_closed = true;
    if (m_session)
        m_session->requestStop();
    m_replayStop = true;
    m_waiting = false;
    m_timer->stop();
    m_player.setWait(false);
    m_player.stop();
    if (m_recorder)
        m_recorder->close();
    app::emptyTempFolder(tempFolder());
    if (!m_inSession)
        m_session.reset();
    done(QDialog::Rejected);
}

} // namespace exam
