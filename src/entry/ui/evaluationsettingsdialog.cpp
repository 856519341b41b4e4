#include "entry/ui/evaluationsettingsdialog.h"

#include "app/helppages.h"
#include "widgets/dialogbutton.h"
#include "widgets/namedwidgets.h"
#include "widgets/services.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace entry {

using widgets::checkBox;
namespace {

constexpr int kTrimSetLength = 15;

QLineEdit* trimSetEdit(const QString& objectName, QWidget* parent) {
    return widgets::lineEdit(objectName, kTrimSetLength, parent);
}

} // namespace

EvaluationSettingsDialog::EvaluationSettingsDialog(widgets::Services& services,
                                                   const app::RunState& state, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_state(state) {
    setObjectName(QStringLiteral("TOKBottomDlg5"));
    setWindowTitle(QStringLiteral("Nastavení vyhodnocovani slovíčka"));

    auto* notes = new QGroupBox(QStringLiteral("Vynechat text mezi"), this);
    m_slashes = checkBox(QStringLiteral("ExcludeSlashes"), QStringLiteral("/ /"), notes);
    m_backslashes = checkBox(QStringLiteral("ExcludeBackslashes"), QStringLiteral("\\ \\"), notes);
    m_square = checkBox(QStringLiteral("ExcludeSquare"), QStringLiteral("[ ]"), notes);
    m_angle = checkBox(QStringLiteral("ExcludeAngle"), QStringLiteral("<>"), notes);
    m_braces = checkBox(QStringLiteral("ExcludeBraces"), QStringLiteral("{ }"), notes);
    m_parentheses = checkBox(QStringLiteral("ExcludeParentheses"), QStringLiteral("( )"), notes);
    auto* noteBoxes = new QGridLayout(notes);
    QCheckBox* const ordered[] = {m_slashes, m_backslashes, m_square,
                                  m_angle,   m_braces,      m_parentheses};
    for (int i = 0; i < 6; ++i)
        noteBoxes->addWidget(ordered[i], i / 3, i % 3);

    auto* trims = new QGroupBox(QStringLiteral("Odmazat znaky"), this);
    m_beginSet = trimSetEdit(QStringLiteral("BeginSet"), trims);
    m_beginSpace = checkBox(QStringLiteral("BeginSpace"), QStringLiteral("včetně mezer"), trims);
    m_endSet = trimSetEdit(QStringLiteral("EndSet"), trims);
    m_endSpace = checkBox(QStringLiteral("EndSpace"), QStringLiteral("včetně mezer"), trims);
    auto* trimRows = new QGridLayout(trims);
    trimRows->addWidget(new QLabel(QStringLiteral("na začátku:"), trims), 0, 0);
    trimRows->addWidget(m_beginSet, 0, 1);
    trimRows->addWidget(m_beginSpace, 0, 2);
    trimRows->addWidget(new QLabel(QStringLiteral("na konci:"), trims), 1, 0);
    trimRows->addWidget(m_endSet, 1, 1);
    trimRows->addWidget(m_endSpace, 1, 2);

    m_ignoreCase = checkBox(QStringLiteral("IgnoreCase"),
                            QStringLiteral("Nerozlišovat velká malá písmena"), this);
    m_ignoreCommaSpaces = checkBox(QStringLiteral("IgnoreCommaSpaces"),
                                   QStringLiteral("Ignorovat mezery před a za čárkou"), this);

    QHBoxLayout* buttons = widgets::okCancelButtonRow(*this, [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kEvaluationSettings);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notes);
    layout->addWidget(trims);
    layout->addWidget(m_ignoreCase);
    layout->addWidget(m_ignoreCommaSpaces);
    layout->addLayout(buttons);
}

std::optional<TestWordRules> EvaluationSettingsDialog::run(const TestWordRules& rules) {
    showRules(rules);
    return widgets::choiceOf(m_services.modals, *this, [this] { return shownRules(); });
}

void EvaluationSettingsDialog::showRules(const TestWordRules& rules) {
    m_slashes->setChecked(rules.excludeSlashes);
    m_backslashes->setChecked(rules.excludeBackslashes);
    m_square->setChecked(rules.excludeSquare);
    m_angle->setChecked(rules.excludeAngle);
    m_braces->setChecked(rules.excludeBraces);
    m_parentheses->setChecked(rules.excludeParentheses);
    m_beginSet->setText(rules.beginSet);
    m_beginSpace->setChecked(rules.beginSpace);
    m_endSet->setText(rules.endSet);
    m_endSpace->setChecked(rules.endSpace);
    m_ignoreCase->setChecked(rules.ignoreCase);
    m_ignoreCommaSpaces->setChecked(rules.ignoreCommaSpaces);
}

TestWordRules EvaluationSettingsDialog::shownRules() const {
    TestWordRules rules;
    rules.excludeSlashes = m_slashes->isChecked();
    rules.excludeBackslashes = m_backslashes->isChecked();
    rules.excludeSquare = m_square->isChecked();
    rules.excludeAngle = m_angle->isChecked();
    rules.excludeBraces = m_braces->isChecked();
    rules.excludeParentheses = m_parentheses->isChecked();
    rules.beginSet = m_beginSet->text();
    rules.beginSpace = m_beginSpace->isChecked();
    rules.endSet = m_endSet->text();
    rules.endSpace = m_endSpace->isChecked();
    rules.ignoreCase = m_ignoreCase->isChecked();
    rules.ignoreCommaSpaces = m_ignoreCommaSpaces->isChecked();
    return rules;
}

} // namespace entry
