#include "exam/ui/examwindow.h"

#include "app/runstate.h"
#include "exam/colorvalue.h"
#include "exam/ui/examclock.h"
#include "sound/mediaplayer.h"
#include "widgets/services.h"
#include "widgets/widgetcolors.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

namespace exam {
namespace {

using namespace Qt::StringLiterals;

// Digits 1 to 5 give grades while the answer is reviewed.
std::optional<int> gradeOfKey(int key) {
    if (key >= Qt::Key_1 && key <= Qt::Key_5)
        return key - Qt::Key_0;
    return std::nullopt;
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ExamWindow::ExamWindow(widgets::Services& services, const app::RunState& state,
                       sound::MediaPlayer& player, StatusLine status, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_state(state)
    , m_player(player)
    , m_status(std::move(status)) {
    setObjectName(u"TExam"_s);
    setWindowTitle(u"Zkoušení"_s);
    buildControls();
    connectControls();
    setExam(2);
}

ExamWindow::~ExamWindow() = default;

QLabel* ExamWindow::addLabel(const char* name, const QString& caption) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QLatin1StringView(name));
    return label;
}

QToolButton* ExamWindow::addSpeedButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1StringView(name));
    button->setText(caption);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void ExamWindow::buildControls() {
    m_countTitle = addLabel("Label1", u"Počet slovíček"_s);
    m_countAll = addLabel("CountAll", {});
    m_progressTitle = addLabel("Label8", u"Zodpovězeno"_s);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(u"ProgressBar"_s);
    m_progress->setTextVisible(false);
    m_questionTitle = addLabel("Label4", u"Jak se řekne:"_s);
    m_question = addLabel("otazka", {});
    m_answerTitle = addLabel("Label5", u"Tvoje odpověď:"_s);
    m_answer = new QLineEdit(this);
    m_answer->setObjectName(u"Edit1"_s);
    m_answer->setMaxLength(80);
    m_ok = new QPushButton(u"OK"_s, this);
    m_ok->setObjectName(u"ok"_s);
    m_ok->setAutoDefault(false);
    m_ok->setFocusPolicy(Qt::NoFocus);
    m_answersTitle = addLabel("Label6", u"Správná odpověď:"_s);
    m_answers = new QTableWidget(0, 1, this);
    m_answers->setObjectName(u"DBGrid1"_s);
    m_answers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_answers->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_answers->setSelectionMode(QAbstractItemView::SingleSelection);
    m_answers->setHorizontalHeaderLabels({u"Odpoved"_s});
    m_answers->verticalHeader()->hide();
    m_descriptionTitle = addLabel("Label2", u"Popis k vybrané odpovědi:"_s);
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(u"DBMemo1"_s);
    m_description->setReadOnly(true);
    m_result = addLabel("Label3", {});
    m_clockTitle = addLabel("Label7", u"Časový limit"_s);
    m_clock = new ExamClock(this);

    m_gradePanel = new QWidget(this);
    m_gradePanel->setObjectName(u"Panel1"_s);
    const char* gradeNames[] = {"SpeedButtonJedna", "SpeedButtonDva", "SpeedButtonTri",
                                "SpeedButtonCtyri", "SpeedButtonPet"};
    for (int grade = 1; grade <= 5; ++grade) {
        m_gradeButtons << addSpeedButton(m_gradePanel, gradeNames[grade - 1],
                                         QString::number(grade));
    }
    m_startStop = addSpeedButton(this, "SpeedButton2", startStopCaption(ExamPhase::Ready));
    m_cancel = addSpeedButton(this, "SpeedButton1", u"Zruš zkoušení"_s);

    m_soundPanel = new QWidget(this);
    m_soundPanel->setObjectName(u"PanelSound"_s);
    m_questionSound = addSpeedButton(m_soundPanel, "questionsound", u"F5"_s);
    m_questionSound->setToolTip(u"Orginál"_s);
    m_answerSound = addSpeedButton(m_soundPanel, "answersound", u"F6"_s);
    m_answerSound->setToolTip(u"Tvoje nahrávka"_s);
    m_bothSounds = addSpeedButton(m_soundPanel, "obasound", u"F7"_s);
    m_bothSounds->setToolTip(u"Orginál + tvoje nahrávka"_s);
    m_recordSound = addSpeedButton(m_soundPanel, "recordsound", u"F12"_s);
    m_recordSound->setToolTip(u"Nahrávání"_s);

    m_timer = new QTimer(this);
    m_timer->setObjectName(u"Timer1"_s);
    m_timer->setInterval(100);
}

void ExamWindow::connectControls() {
    connect(m_timer, &QTimer::timeout, this, &ExamWindow::tick);
    connect(m_ok, &QPushButton::clicked, this, &ExamWindow::confirm);
    connect(m_startStop, &QToolButton::clicked, this, &ExamWindow::startOrStop);
    connect(m_cancel, &QToolButton::clicked, this, &ExamWindow::cancelExam);
    for (int index = 0; index < m_gradeButtons.size(); ++index) {
        connect(m_gradeButtons[index], &QToolButton::clicked, this,
                [this, index] { gradeButton(index + 1); });
    }
    connect(m_answers, &QTableWidget::currentCellChanged, this, &ExamWindow::showAnswerDescription);
    connect(m_answers, &QTableWidget::cellDoubleClicked, this, &ExamWindow::playWordSound);
    connect(m_questionSound, &QToolButton::clicked, this, &ExamWindow::playWordSound);
    connect(m_answerSound, &QToolButton::clicked, this, &ExamWindow::playRecording);
    connect(m_bothSounds, &QToolButton::clicked, this, &ExamWindow::playWordAndRecording);
    connect(m_recordSound, &QToolButton::pressed, this, &ExamWindow::startRecordingOnButton);
    connect(m_recordSound, &QToolButton::released, this, &ExamWindow::stopRecordingOnButton);
    connect(m_clock, &ExamClock::pressed, this, &ExamWindow::startRecordingOnButton);
    connect(m_clock, &ExamClock::released, this, &ExamWindow::stopRecordingOnButton);
    m_answer->installEventFilter(this);
    m_answers->installEventFilter(this);
    m_description->viewport()->installEventFilter(this);
}

void ExamWindow::applyLook(const ExamWindowLook& look, const QImage& backgroundPicture) {
    if (look.layoutSize)
        setExam(*look.layoutSize);
    resize(look.width, look.height);
    m_referenceSize = size();
    m_showRight = look.showRight;
    const QPalette designed = palette();
    const auto color = [&designed](ColorValue value) {
        return toQColor(value, designed);
    };
    if (look.background) {
        for (QWidget* widget : QList<QWidget*>{this, m_gradePanel, m_answers, m_description})
            widgets::setBackgroundColor(widget, color(*look.background));
    }
    if (look.text)
        widgets::setTextColor(this, color(*look.text));
    if (look.question)
        widgets::setTextColor(m_question, color(*look.question));
    if (look.answerGrid) {
        for (QWidget* widget : QList<QWidget*>{m_answers, m_description, m_soundPanel})
            widgets::setBackgroundColor(widget, color(*look.answerGrid));
    }
    if (look.answerEdit)
        widgets::setBackgroundColor(m_answer, color(*look.answerEdit));
    if (look.answerFont)
        widgets::setTextColor(m_answer, color(*look.answerFont));
    if (look.gradePanel)
        widgets::setBackgroundColor(m_gradePanel, color(*look.gradePanel));
    // A box whose text colour no key sets would write in the window's text colour, which is
    // chosen for the window's background, not the box's: it writes in black or white instead.
    QList<QWidget*> boxes{m_answers, m_description, m_soundPanel};
    if (!look.answerFont)
        boxes << m_answer;
    for (int index = 0; index < 5; ++index) {
        if (const auto& font = look.gradeButtonFonts[static_cast<size_t>(index)])
            widgets::setTextColor(m_gradeButtons[index], color(*font));
        else
            boxes << m_gradeButtons[index];
    }
    for (QWidget* box : boxes)
        widgets::setTextColor(box, readableTextOn(box->palette().color(QPalette::Base)));
    m_clock->setColors(color(look.clockForeground), color(look.clockBackground));
    m_backgroundPicture = backgroundPicture;
    if (look.fullScreen)
        setWindowState(windowState() | Qt::WindowMaximized);
    m_initialised = true;
}

void ExamWindow::paintEvent(QPaintEvent* event) {
    if (!m_backgroundPicture.isNull())
        QPainter(this).drawImage(rect(), m_backgroundPicture);
    QDialog::paintEvent(event);
}

// Enter starts or evaluates; while the answer is reviewed the digits grade and nothing else
// is typed; the sound keys work everywhere.
void ExamWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        if (m_state.escapeMinimizes) {
            for (QWidget* window : QApplication::topLevelWidgets())
                window->showMinimized();
        }
    } else if (isEnter(key)) {
        if (m_phase != ExamPhase::Answering && m_phase != ExamPhase::Reviewing)
            startOrStop();
    } else if (key == Qt::Key_F5) {
        playWordSound();
    } else if (key == Qt::Key_F6) {
        playRecording();
    } else if (key == Qt::Key_F7) {
        playWordAndRecording();
    } else if (key == Qt::Key_F12 && !event->isAutoRepeat()) {
        startRecordingOnButton();
    } else if (const std::optional<int> grade = gradeOfKey(key); grade && gradingByKeys()) {
        gradeButton(*grade);
    }
    event->accept();
}

void ExamWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F12 && !event->isAutoRepeat())
        stopRecordingOnButton();
    event->accept();
}

// A right click on the window or on the description confirms, as Enter in the answer box.
void ExamWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        confirm();
    QDialog::mousePressEvent(event);
}

bool ExamWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_description->viewport() && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            confirm();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    if (watched == m_answer) {
        if (key == Qt::Key_Escape || gradingByKeys()) {
            keyPressEvent(keyEvent);
            return true;
        }
        if (isEnter(key)) {
            confirm();
            return true;
        }
    } else if (watched == m_answers) {
        if (key == Qt::Key_Escape || isEnter(key) || key == Qt::Key_Space ||
            (gradingByKeys() && gradeOfKey(key))) {
            keyPressEvent(keyEvent);
            return true;
        }
    }
    return false;
}

void ExamWindow::reject() {
    closeWindow();
}

void ExamWindow::closeEvent(QCloseEvent* event) {
    if (m_phase == ExamPhase::Closed)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

} // namespace exam
