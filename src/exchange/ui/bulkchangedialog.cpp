#include "exchange/ui/bulkchangedialog.h"

#include "widgets/dialogbutton.h"
#include "widgets/services.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace exchange {
namespace {

constexpr int kMostEntriesPerLesson = 250;
constexpr int kDefaultEntriesPerLesson = 35;

QComboBox* lessonList(const QString& objectName, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(objectName);
    return list;
}

} // namespace

BulkChangeDialog::BulkChangeDialog(widgets::Services& services, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_firstLesson(lessonList(QStringLiteral("ComboBox4"), this))
    , m_lastLesson(lessonList(QStringLiteral("ComboBox5"), this))
    , m_targetLesson(lessonList(QStringLiteral("ComboBox1"), this))
    , m_startLesson(lessonList(QStringLiteral("ComboBox2"), this))
    , m_perLesson(lessonList(QStringLiteral("ComboBox3"), this)) {
    setObjectName(QStringLiteral("TMultiChange"));
    setWindowTitle(QStringLiteral("Hromadná změna"));

    auto* range = new QGridLayout;
    range->addWidget(new QLabel(QStringLiteral("U slovíček od lekce (včetně)"), this), 0, 0);
    range->addWidget(m_firstLesson, 0, 1);
    range->addWidget(new QLabel(QStringLiteral("do lekce (včetně)"), this), 1, 0);
    range->addWidget(m_lastLesson, 1, 1);

    auto* mode = new QGroupBox(QStringLiteral(" změň lekci "), this);
    mode->setObjectName(QStringLiteral("RadioGroup1"));
    m_moveTo = new QRadioButton(QStringLiteral("na:"), mode);
    m_moveTo->setObjectName(QStringLiteral("MoveToButton"));
    m_moveTo->setChecked(true);
    m_spread = new QRadioButton(QStringLiteral("začni na:"), mode);
    m_spread->setObjectName(QStringLiteral("SpreadButton"));
    m_perLessonBefore = new QLabel(QStringLiteral("připočti 1 lekci po:"), mode);
    m_perLessonAfter = new QLabel(QStringLiteral("slovíčcích"), mode);
    auto* modeRows = new QGridLayout(mode);
    modeRows->addWidget(m_moveTo, 0, 0);
    modeRows->addWidget(m_targetLesson, 0, 1);
    modeRows->addWidget(m_spread, 1, 0);
    modeRows->addWidget(m_startLesson, 1, 1);
    modeRows->addWidget(m_perLessonBefore, 2, 0);
    modeRows->addWidget(m_perLesson, 2, 1);
    modeRows->addWidget(m_perLessonAfter, 2, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(mode);
    layout->addLayout(widgets::okCancelButtonRow(*this));
    // OK hands back only choices the rules allow; the plain accept of the row is replaced.
    auto* ok = findChild<QPushButton*>(QStringLiteral("OKBtn"));
    disconnect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(ok, &QPushButton::clicked, this, &BulkChangeDialog::acceptConsistent);

    connect(m_firstLesson, &QComboBox::activated, this,
            [this] { keepConsistent(ChangedChoice::FirstLesson); });
    connect(m_lastLesson, &QComboBox::activated, this,
            [this] { keepConsistent(ChangedChoice::LastLesson); });
    for (QComboBox* list : {m_targetLesson, m_startLesson, m_perLesson})
        connect(list, &QComboBox::activated, this,
                [this] { keepConsistent(ChangedChoice::Other); });
    connect(m_moveTo, &QRadioButton::toggled, this, [this] {
        enableModeControls();
        keepConsistent(ChangedChoice::Other);
    });
    enableModeControls();
}

std::optional<BulkLessonChoice> BulkChangeDialog::run(const QStringList& lessonItems) {
    const QStringList lessons = lessonItems.mid(1);
    m_lessonCount = static_cast<int>(lessons.size());
    for (QComboBox* list : {m_firstLesson, m_lastLesson, m_targetLesson, m_startLesson}) {
        list->clear();
        list->addItems(lessons);
        list->setCurrentIndex(0);
    }
    if (m_perLesson->count() == 0) {
        for (int entries = 1; entries <= kMostEntriesPerLesson; ++entries)
            m_perLesson->addItem(QString::number(entries));
    }
    m_perLesson->setCurrentIndex(kDefaultEntriesPerLesson - 1);
    return widgets::choiceOf(m_services.modals, *this, [this] { return shownChoice(); });
}

BulkLessonChoice BulkChangeDialog::shownChoice() const {
    BulkLessonChoice choice;
    choice.firstLesson = m_firstLesson->currentIndex();
    choice.lastLesson = m_lastLesson->currentIndex();
    choice.mode =
        m_spread->isChecked() ? BulkLessonChoice::Mode::Spread : BulkLessonChoice::Mode::MoveTo;
    choice.targetLesson = m_targetLesson->currentIndex();
    choice.startLesson = m_startLesson->currentIndex();
    choice.perLesson = m_perLesson->currentIndex() + 1;
    return choice;
}

void BulkChangeDialog::showChoice(const BulkLessonChoice& choice) {
    m_firstLesson->setCurrentIndex(choice.firstLesson);
    m_lastLesson->setCurrentIndex(choice.lastLesson);
    m_startLesson->setCurrentIndex(std::min(choice.startLesson, m_lessonCount - 1));
}

bool BulkChangeDialog::keepConsistent(ChangedChoice changed) {
    BulkLessonChoice choice = shownChoice();
    const BulkLessonChoice shown = choice;
    const QStringList warnings = keepChoiceConsistent(choice, changed, m_lessonCount);
    showChoice(choice);
    for (const QString& warning : warnings)
        m_services.messages.warning(warning);
    return choice == shown;
}

void BulkChangeDialog::enableModeControls() {
    const bool spread = m_spread->isChecked();
    m_targetLesson->setEnabled(!spread);
    for (QWidget* control : std::initializer_list<QWidget*>{m_startLesson, m_perLesson,
                                                            m_perLessonBefore, m_perLessonAfter})
        control->setEnabled(spread);
}

void BulkChangeDialog::acceptConsistent() {
    // The lists are put on lesson 0 at each showing, which in the spread mode would leave the
    // start inside the range: the user sees the corrected choices before anything changes.
    if (keepConsistent(ChangedChoice::Other))
        accept();
}

} // namespace exchange
