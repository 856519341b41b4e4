#include "shell/ui/safetycopydialog.h"

#include "widgets/dialogbutton.h"
#include "widgets/services.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace shell {

SafetyCopyDialog::SafetyCopyDialog(widgets::Services& services, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_caption(new QLabel(this))
    , m_copies(new QListWidget(this)) {
    setObjectName(QStringLiteral("SafetyCopyDlg"));
    setWindowTitle(QStringLiteral("Bezpečnostní kopie slovníku"));
    resize(520, 300);
    m_copies->setObjectName(QStringLiteral("CopyList"));
    m_caption->setWordWrap(true);
    auto* note = new QLabel(QStringLiteral("Po stisku OK se slovník vrátí do stavu vybrané kopie. "
                                           "Jeho nynější stav se nejdřív uloží jako další "
                                           "bezpečnostní kopie."),
                            this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addWidget(m_copies);
    layout->addWidget(note);
    layout->addLayout(widgets::okCancelButtonRow(*this));
    connect(m_copies, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::optional<int> SafetyCopyDialog::run(const QString& dictionary, const QStringList& copies) {
    m_caption->setText(
        QStringLiteral("Bezpečnostní kopie slovníku „%1“, pořízené před hromadnými změnami:")
            .arg(dictionary));
    m_copies->clear();
    m_copies->addItems(copies);
    m_copies->setCurrentRow(0);
    return widgets::choiceOf(m_services.modals, *this, [this] { return m_copies->currentRow(); });
}

} // namespace shell
