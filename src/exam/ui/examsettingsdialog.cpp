#include "exam/ui/examsettingsdialog.h"

#include "app/helppages.h"
#include "exam/ui/radiogroup.h"
#include "widgets/dialogbutton.h"
#include "widgets/namedwidgets.h"
#include "widgets/services.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace exam {

using widgets::checkBox;
using widgets::named;
namespace {

using namespace Qt::StringLiterals;

QComboBox* list(const QString& name, const QStringList& items, int position, QWidget* parent) {
    auto* box = named(new QComboBox(parent), name);
    box->addItems(items);
    box->setCurrentIndex(position);
    return box;
}

// A line of controls and the texts between them, as the dialog reads: "Přidat [10] …".
QHBoxLayout* sentence(std::initializer_list<QWidget*> parts) {
    auto* line = new QHBoxLayout;
    for (QWidget* part : parts)
        line->addWidget(part);
    line->addStretch();
    return line;
}

void replaceItems(QComboBox& box, const QStringList& items) {
    QStringList current;
    for (int i = 0; i < box.count(); ++i)
        current << box.itemText(i);
    if (current == items)
        return;
    box.clear();
    box.addItems(items);
}

} // namespace

ExamSettingsDialog::ExamSettingsDialog(widgets::Services& services, const app::RunState& state,
                                       QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_state(state) {
    setObjectName(u"TOKBottomDlg4"_s);
    setWindowTitle(u"Nastavení zkoušení"_s);
    buildControls();
    buildLayout();
    connectReactions();
}

void ExamSettingsDialog::buildControls() {
    const ExamParameters initial;
    m_language = new RadioGroup(u"JazykRadioGroup"_s, u"Ptát se"_s,
                                {czechLanguageItem(), m_state.otherLanguage}, this);
    m_language->setItemIndex(0);
    m_lessonCount = initial.lessonCount;
    m_fromLesson = list(u"OdComboBox"_s, lessonItems(m_lessonCount), initial.fromLesson, this);
    m_toLesson = list(u"DoComboBox"_s, lessonItems(m_lessonCount), initial.toLesson, this);
    m_allLessons = checkBox(u"CheckBoxLekce"_s, u"Vše"_s, this);
    m_allLessons->setToolTip(u"Všechny lekce"_s);
    m_wordCount = list(u"CountAllComboBox"_s, wordCountItems(), initial.wordCountPosition, this);
    m_share = list(u"NeComboBox"_s, shareItems(), initial.sharePosition, this);
    m_times = list(u"CountComboBox"_s, timesItems(), initial.timesPosition, this);
    m_worstCount = list(u"BadComboBox"_s, worstCountItems(), initial.worstCountPosition, this);
    m_worstTimes = list(u"BadCountComboBox"_s, timesItems(), initial.worstTimesPosition, this);
    m_reAddWorst = checkBox(
        u"AddCheckBox"_s, u"Zařadit tato slovíčka znovu, ikdyž jsou již v rozsahu výběru"_s, this);
    m_limit = list(u"LimitComboBox"_s, limitItems(), initial.limitPosition, this);
    m_average = list(u"PrumerComboBox"_s, initial.averageItems, initial.averagePosition, this);
    m_limitAndAverageLabels = {
        named(new QLabel(u"Časový limit na jednu opověď"_s, this), u"LimitLabel"_s),
        named(new QLabel(u"sec"_s, this), u"LimitUnitLabel"_s),
        named(new QLabel(u"Průměr na slovíčko musí být do"_s, this), u"PrumerLabel"_s)};
    m_onlyWithSound = checkBox(u"OnlySound"_s, u"Jen slovíčka se zvukem"_s, this);
    m_autoPlay = checkBox(u"Auto"_s, u"Automaticky přehrát"_s, this);
    m_autoPlay->setChecked(initial.autoPlay);
    m_ask = new RadioGroup(u"Ask"_s, u"Ptát se"_s, askItems(), this);
    m_ask->setItemIndex(static_cast<int>(initial.ask));
    m_recordSound = checkBox(u"RecordSound"_s, u"Nahrávat"_s, this);
    m_recordWholeLimit = named(new QRadioButton(u"Po celou dobu limitu"_s, this), u"alllimit"_s);
    m_recordOnButton = named(new QRadioButton(u"Na tlačítko"_s, this), u"onbutton"_s);
    m_recordWhen = new QButtonGroup(this);
    m_recordWhen->addButton(m_recordWholeLimit);
    m_recordWhen->addButton(m_recordOnButton);
    m_recordOnButton->setChecked(true);
    m_recordWholeLimit->setEnabled(false);
    m_recordOnButton->setEnabled(false);
    m_automaticOk = checkBox(u"Automat"_s, u"Automaticky OK"_s, this);
}

void ExamSettingsDialog::buildLayout() {
    const auto label = [this](const QString& text) {
        return new QLabel(text, this);
    };
    auto* lessons = new QGroupBox(u"Lekce"_s, this);
    lessons->setLayout(sentence(
        {label(u"Od lekce"_s), m_fromLesson, label(u"do lekce"_s), m_toLesson, m_allLessons}));
    auto* range = new QGroupBox(u"Výběr slovíček"_s, this);
    auto* rangeLines = new QVBoxLayout(range);
    rangeLines->addLayout(
        sentence({label(u"Ze zadaného rozsahu vybrat"_s), m_wordCount, label(u"slovíček,"_s)}));
    rangeLines->addLayout(sentence({label(u"přičemž"_s), m_share, label(u"% málo zkoušených."_s)}));
    rangeLines->addLayout(sentence({label(u"Tato slovíčka zkoušet"_s), m_times, label(u"x"_s)}));
    auto* worst =
        new QGroupBox(u"Nejhůře zapamatovatelná slovíčka z lekcí 0 až \"do lekce\""_s, this);
    auto* worstLines = new QVBoxLayout(worst);
    worstLines->addLayout(
        sentence({label(u"Přidat"_s), m_worstCount, label(u"nejhůře zapamatovatelných slov."_s)}));
    worstLines->addLayout(
        sentence({label(u"Tato slovíčka zkoušet"_s), m_worstTimes, label(u"x"_s)}));
    worstLines->addWidget(m_reAddWorst);
    auto* sound = new QGroupBox(u"Zvuk"_s, this);
    auto* soundLines = new QVBoxLayout(sound);
    soundLines->addLayout(sentence({m_onlyWithSound, m_autoPlay}));
    soundLines->addLayout(sentence({m_recordSound, m_recordWholeLimit, m_recordOnButton}));
    soundLines->addWidget(m_automaticOk);

    auto* ok = widgets::dialogButton(u"OKBtn"_s, u"Zkoušej"_s, this);
    ok->setDefault(true);
    auto* cancel = widgets::dialogButton(u"CancelBtn"_s, u"Zruš zkoušení"_s, this);
    auto* help = widgets::dialogButton(u"HelpBtn"_s, u"?"_s, this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kExamSettings);
    });

    auto* top = new QHBoxLayout;
    top->addWidget(m_language);
    top->addWidget(m_ask);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lessons);
    layout->addWidget(range);
    layout->addWidget(worst);
    layout->addLayout(sentence({m_limitAndAverageLabels[0], m_limit, m_limitAndAverageLabels[1]}));
    layout->addLayout(sentence({m_limitAndAverageLabels[2], m_average}));
    layout->addWidget(sound);
    layout->addLayout(sentence({ok, cancel, help}));
}

std::optional<ExamParameters> ExamSettingsDialog::run(const ExamParameters& parameters,
                                                      ExamType type,
                                                      const QString& foreignLanguageItem) {
    load(parameters);
    m_language->setItemText(static_cast<int>(QuestionLanguage::Foreign), foreignLanguageItem);
    preset(type);
    return widgets::choiceOf(m_services.modals, *this, [this] { return shown(); });
}

void ExamSettingsDialog::load(const ExamParameters& parameters) {
    m_type = parameters.type;
    m_lessonCount = parameters.lessonCount;
    replaceItems(*m_fromLesson, lessonItems(m_lessonCount));
    replaceItems(*m_toLesson, lessonItems(m_lessonCount));
    replaceItems(*m_average, parameters.averageItems);
    // The groups first: their reactions set other controls, which then take their own values.
    m_language->setItemIndex(static_cast<int>(parameters.questionLanguage));
    m_ask->setItemIndex(static_cast<int>(parameters.ask));
    m_recordSound->setChecked(parameters.recordSound);
    m_allLessons->setChecked(parameters.allLessons);
    m_autoPlay->setChecked(parameters.autoPlay);
    m_onlyWithSound->setChecked(parameters.onlyWithSound);
    m_reAddWorst->setChecked(parameters.reAddWorst);
    m_automaticOk->setChecked(parameters.automaticOk);
    (parameters.recordWholeLimit ? m_recordWholeLimit : m_recordOnButton)->setChecked(true);
    m_fromLesson->setCurrentIndex(parameters.fromLesson);
    m_toLesson->setCurrentIndex(parameters.toLesson);
    m_wordCount->setCurrentIndex(parameters.wordCountPosition);
    m_share->setCurrentIndex(parameters.sharePosition);
    m_times->setCurrentIndex(parameters.timesPosition);
    m_worstCount->setCurrentIndex(parameters.worstCountPosition);
    m_worstTimes->setCurrentIndex(parameters.worstTimesPosition);
    m_limit->setCurrentIndex(parameters.limitPosition);
    m_average->setCurrentIndex(parameters.averagePosition);
}

ExamParameters ExamSettingsDialog::shown() const {
    ExamParameters parameters;
    parameters.type = m_type;
    parameters.lessonCount = m_lessonCount;
    parameters.questionLanguage = language();
    parameters.fromLesson = m_fromLesson->currentIndex();
    parameters.toLesson = m_toLesson->currentIndex();
    parameters.allLessons = m_allLessons->isChecked();
    parameters.wordCountPosition = m_wordCount->currentIndex();
    parameters.sharePosition = m_share->currentIndex();
    parameters.timesPosition = m_times->currentIndex();
    parameters.worstCountPosition = m_worstCount->currentIndex();
    parameters.worstTimesPosition = m_worstTimes->currentIndex();
    parameters.reAddWorst = m_reAddWorst->isChecked();
    parameters.limitPosition = m_limit->currentIndex();
    parameters.averageItems.clear();
    for (int i = 0; i < m_average->count(); ++i)
        parameters.averageItems << m_average->itemText(i);
    parameters.averagePosition = m_average->currentIndex();
    parameters.onlyWithSound = m_onlyWithSound->isChecked();
    parameters.autoPlay = m_autoPlay->isChecked();
    parameters.ask = ask();
    parameters.recordSound = m_recordSound->isChecked();
    parameters.recordWholeLimit = m_recordWholeLimit->isChecked();
    parameters.automaticOk = m_automaticOk->isChecked();
    return parameters;
}

QuestionLanguage ExamSettingsDialog::language() const {
    return static_cast<QuestionLanguage>(m_language->itemIndex());
}

AskMode ExamSettingsDialog::ask() const {
    return static_cast<AskMode>(m_ask->itemIndex());
}

} // namespace exam
