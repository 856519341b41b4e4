#include "entry/ui/splitquestiondialog.h"

#include "app/helppages.h"
#include "widgets/dialogbutton.h"
#include "widgets/namedwidgets.h"
#include "widgets/services.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace entry {
namespace {

constexpr int kExpressionLength = 80;

QLabel* label(const QString& objectName, QWidget* parent) {
    auto* shown = widgets::label(objectName, {}, parent);
    shown->setTextFormat(Qt::PlainText);
    shown->setWordWrap(true);
    return shown;
}

QLineEdit* expressionEdit(const QString& objectName, QWidget* parent) {
    return widgets::lineEdit(objectName, kExpressionLength, parent);
}

QFont boldAtSizeOf(QFont font, const QWidget& sizeOf) {
    font.setBold(true);
    font.setPointSizeF(sizeOf.font().pointSizeF());
    return font;
}

} // namespace

SplitQuestionDialog::SplitQuestionDialog(widgets::Services& services, const app::RunState& state,
                                         QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_state(state)
    , m_czech(label(QStringLiteral("Label1"), this))
    , m_other(label(QStringLiteral("Label2"), this))
    , m_firstCzech(expressionEdit(QStringLiteral("Edit1"), this))
    , m_firstOther(expressionEdit(QStringLiteral("Edit2"), this))
    , m_secondCzech(expressionEdit(QStringLiteral("Edit3"), this))
    , m_secondOther(expressionEdit(QStringLiteral("Edit4"), this)) {
    setObjectName(QStringLiteral("TOKBottomDlg6"));
    setWindowTitle(QStringLiteral("Dotaz"));
    auto* question = label(QStringLiteral("Label3"), this);
    question->setText(QStringLiteral("Rozdělit takto na dva záznamy ?"));

    auto* yes = widgets::dialogButton(QStringLiteral("OKBtn"), QStringLiteral("ANO"), this);
    yes->setDefault(true);
    auto* no = widgets::dialogButton(QStringLiteral("CancelBtn"), QStringLiteral("NE"), this);
    auto* stop = widgets::dialogButton(QStringLiteral("StopBtn"), QStringLiteral("Přerušit"), this);
    auto* help = widgets::dialogButton(QStringLiteral("HelpBtn"), QStringLiteral("?"), this);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    connect(stop, &QPushButton::clicked, this, [this] {
        m_stop = true;
        reject();
    });
    connect(help, &QPushButton::clicked, this, [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kEvaluationSettings);
    });

    auto* halves = new QGridLayout;
    halves->addWidget(m_firstCzech, 0, 0);
    halves->addWidget(m_firstOther, 0, 1);
    halves->addWidget(m_secondCzech, 1, 0);
    halves->addWidget(m_secondOther, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {yes, no, stop, help})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_czech);
    layout->addWidget(m_other);
    layout->addWidget(question);
    layout->addLayout(halves);
    layout->addLayout(buttons);
    setForeignFont(font());
}

void SplitQuestionDialog::setForeignFont(const QFont& font) {
    m_other->setFont(boldAtSizeOf(font, *m_czech));
    m_firstOther->setFont(boldAtSizeOf(font, *m_firstCzech));
    m_secondOther->setFont(boldAtSizeOf(font, *m_secondCzech));
}

SplitAnswer SplitQuestionDialog::ask(const QString& czech, const QString& other,
                                     SplitProposal& proposal) {
    m_stop = false;
    m_czech->setText(czech);
    m_other->setText(other);
    m_firstCzech->setText(proposal.firstCzech);
    m_firstOther->setText(proposal.firstOther);
    m_secondCzech->setText(proposal.secondCzech);
    m_secondOther->setText(proposal.secondOther);
    m_firstCzech->setFocus();
    if (m_services.modals.exec(*this) != QDialog::Accepted)
        return m_stop ? SplitAnswer::Stop : SplitAnswer::Keep;
    proposal = {m_firstCzech->text(), m_firstOther->text(), m_secondCzech->text(),
                m_secondOther->text()};
    return SplitAnswer::Split;
}

} // namespace entry
