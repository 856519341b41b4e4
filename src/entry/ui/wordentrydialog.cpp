// The word entry dialog: its controls, its dictionary and what showing and hiding do.
#include "entry/ui/wordentrydialog.h"

#include "app/helppages.h"
#include "app/runstate.h"
#include "store/cursor.h"
#include "widgets/namedwidgets.h"
#include "widgets/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace entry {

using widgets::label;
using widgets::lineEdit;
namespace {

constexpr int kExpressionLength = 80; // the dictionary's Czech and Other fields
constexpr int kDescriptionLength = 100;

QToolButton* speedButton(const QString& objectName, const QString& text, const QString& hint,
                         QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(text);
    button->setToolTip(hint);
    // Like the rest of the dialog's buttons it never takes the focus from the field typed in.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

WordEntryDialog::WordEntryDialog(widgets::Services& services, const app::RunState& state,
                                 QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_state(state)
    , m_lesson(new QComboBox(this))
    , m_jump(new QCheckBox(QStringLiteral("\"Skákat\" do popisu"), this))
    , m_foreignOnly(new QCheckBox(
          QStringLiteral("Jen cizojazyčné výrazy (jen pro cvičení výslovnosti)"), this))
    , m_singleLine(new QRadioButton(QStringLiteral("Jednořádkový"), this))
    , m_multiLine(new QRadioButton(QStringLiteral("Víceřádkový"), this))
    , m_foreignLabel(label(QStringLiteral("Label3"), QStringLiteral("Cize:"), this))
    , m_foreign(lineEdit(QStringLiteral("Edit1"), kExpressionLength, this))
    , m_czech(lineEdit(QStringLiteral("Edit2"), kExpressionLength, this))
    , m_description(lineEdit(QStringLiteral("Popis"), kDescriptionLength, this))
    , m_descriptionLines(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TOKBottomDlg"));
    setWindowTitle(QStringLiteral("Přidání slovíček"));
    setModal(false);
    m_lesson->setObjectName(QStringLiteral("ComboBox1"));
    m_jump->setObjectName(QStringLiteral("CheckBox1"));
    m_foreignOnly->setObjectName(QStringLiteral("CheckBox2"));
    m_singleLine->setObjectName(QStringLiteral("RadioSingleLine"));
    m_multiLine->setObjectName(QStringLiteral("RadioMultiLine"));
    m_singleLine->setChecked(true);
    m_descriptionLines->setObjectName(QStringLiteral("Memo1"));
    m_descriptionLines->setHidden(true);
    m_czechMenu.attach(m_czech);
    m_foreignMenu.attach(m_foreign);
    m_descriptionMenu.attach(m_description);
    m_descriptionMenu.attach(m_descriptionLines);
    buildLayout();
    connectControls();
    for (QWidget* control : std::initializer_list<QWidget*>{m_lesson, m_jump, m_foreign, m_czech,
                                                            m_description, m_descriptionLines})
        control->installEventFilter(this);
}

WordEntryDialog::~WordEntryDialog() = default;

void WordEntryDialog::buildLayout() {
    auto* descriptionKind = new QGroupBox(QStringLiteral("Druh popisu"), this);
    descriptionKind->setObjectName(QStringLiteral("RadioGroup1"));
    auto* kinds = new QVBoxLayout(descriptionKind);
    kinds->addWidget(m_singleLine);
    kinds->addWidget(m_multiLine);

    auto* lessonRow = new QHBoxLayout;
    lessonRow->addWidget(label(QStringLiteral("Label1"), QStringLiteral("Lekce:"), this));
    lessonRow->addWidget(m_lesson);
    lessonRow->addStretch();
    auto* choices = new QVBoxLayout;
    choices->addLayout(lessonRow);
    choices->addWidget(m_jump);
    choices->addWidget(m_foreignOnly);
    auto* top = new QHBoxLayout;
    top->addLayout(choices, 1);
    top->addWidget(descriptionKind);
    auto* help = speedButton(QStringLiteral("SpeedButton5"), QStringLiteral("?"), {}, this);
    connect(help, &QToolButton::clicked, this, [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kWordEntry);
    });
    top->addWidget(help, 0, Qt::AlignTop);

    auto* foreignRow = new QHBoxLayout;
    foreignRow->addWidget(m_foreignLabel);
    for (size_t i = 0; i < m_hotKeyButtons.size(); ++i) {
        const int number = kFirstHotKey + static_cast<int>(i);
        const QString name = QStringLiteral("F%1").arg(number);
        QToolButton* button = speedButton(name, name, QStringLiteral("User hot key"), this);
        button->setAutoRaise(true);
        button->setHidden(true);
        connect(button, &QToolButton::clicked, this, [this, number] { pressHotKey(number); });
        foreignRow->addWidget(button);
        m_hotKeyButtons[i] = button;
    }
    foreignRow->addStretch();

    const auto recallButton = [this](const QString& name, const QString& text, const QString& hint,
                                     void (WordEntryDialog::*recall)()) {
        QToolButton* button = speedButton(name, text, hint, this);
        connect(button, &QToolButton::clicked, this, recall);
        return button;
    };
    auto* descriptions = new QVBoxLayout;
    descriptions->addWidget(m_description);
    descriptions->addWidget(m_descriptionLines);
    auto* fields = new QGridLayout;
    fields->addLayout(foreignRow, 0, 0);
    fields->addWidget(m_foreign, 1, 0);
    fields->addWidget(recallButton(QStringLiteral("SpeedButton3"), QStringLiteral("<"),
                                   QStringLiteral("Minulé slovíčko"),
                                   &WordEntryDialog::recallForeign),
                      1, 1);
    fields->addWidget(label(QStringLiteral("Label4"), QStringLiteral("Česky:"), this), 2, 0);
    fields->addWidget(m_czech, 3, 0);
    fields->addWidget(recallButton(QStringLiteral("SpeedButton4"), QStringLiteral("<"),
                                   QStringLiteral("Minulé slovíčko"),
                                   &WordEntryDialog::recallCzech),
                      3, 1);
    fields->addWidget(label(QStringLiteral("Label5"), QStringLiteral("Popis:"), this), 4, 0);
    fields->addLayout(descriptions, 5, 0);
    fields->addWidget(recallButton(QStringLiteral("SpeedButton6"), QStringLiteral("<"),
                                   QStringLiteral("Minulý popis"),
                                   &WordEntryDialog::recallDescription),
                      5, 1, Qt::AlignTop);
    fields->addWidget(recallButton(QStringLiteral("SpeedButton7"), QStringLiteral("<<"),
                                   QStringLiteral("Minulé slovíčko - vše"),
                                   &WordEntryDialog::recallAll),
                      6, 1);

    auto* add = speedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Přidej"), {}, this);
    auto* close = speedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Zavři"), {}, this);
    connect(add, &QToolButton::clicked, this, &WordEntryDialog::addEntry);
    connect(close, &QToolButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(fields);
    layout->addLayout(buttons);
}

void WordEntryDialog::connectControls() {
    connect(m_foreignOnly, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_czech->setText(QStringLiteral("-"));
    });
    connect(m_multiLine, &QRadioButton::toggled, this, [this](bool multiLine) {
        m_description->setHidden(multiLine);
        m_descriptionLines->setHidden(!multiLine);
    });
}

void WordEntryDialog::setDictionary(store::Cursor& dictionary,
                                    const dictionary::DictionarySettings& settings) {
    m_dictionary = &dictionary;
    m_hotKeys = settings.functionKeys;
    for (size_t i = 0; i < m_hotKeyButtons.size(); ++i) {
        const auto key = m_hotKeys.find(kFirstHotKey + static_cast<int>(i));
        m_hotKeyButtons[i]->setHidden(key == m_hotKeys.end());
        if (key != m_hotKeys.end())
            m_hotKeyButtons[i]->setToolTip(key->second.hint);
    }
    m_czechMenu.setKeys(settings.czKeys);
    m_foreignMenu.setKeys(settings.otherKeys);
    m_descriptionMenu.setKeys(settings.intrKeys);
    // A dictionary without a language name keeps the name shown before.
    if (settings.otherLanguage)
        m_foreignLabel->setText(*settings.otherLanguage);
}

void WordEntryDialog::setFonts(const QFont& czech, const QFont& other, const QFont& description) {
    m_foreign->setFont(other);
    m_czech->setFont(czech);
    m_description->setFont(description);
    m_descriptionLines->setFont(description);
}

void WordEntryDialog::setLessonCount(int count) {
    m_lesson->clear();
    for (int lesson = 0; lesson < count; ++lesson)
        m_lesson->addItem(QString::number(lesson));
    m_lesson->setCurrentIndex(0);
}

void WordEntryDialog::setBackgroundPicture(const QImage& picture) {
    m_background = picture;
    update();
}

void WordEntryDialog::setMultiLineDescription(bool multiLine) {
    (multiLine ? m_multiLine : m_singleLine)->setChecked(true);
}

void WordEntryDialog::paintEvent(QPaintEvent* event) {
    if (!m_background.isNull())
        QPainter(this).drawImage(rect(), m_background);
    QDialog::paintEvent(event);
}

void WordEntryDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // the window came back from the task bar: the typed texts stay
    m_foreign->clear();
    m_czech->setText(m_foreignOnly->isChecked() ? QStringLiteral("-") : QString());
    m_description->clear();
    m_descriptionLines->clear();
    switchLayout(LayoutRole::Application);
    focusForeignField();
}

void WordEntryDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        switchLayout(LayoutRole::Application);
}

void WordEntryDialog::done(int result) {
    QDialog::done(result);
    emit closed();
}

void WordEntryDialog::switchLayout(LayoutRole role) {
    if (m_layoutSwitch)
        m_layoutSwitch(role);
}

} // namespace entry
