#include "shell/ui/datacheckdialog.h"

#include "widgets/dialogbutton.h"
#include "widgets/services.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace shell {

DataCheckDialog::DataCheckDialog(widgets::Services& services, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_report(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("DataCheckDlg"));
    setWindowTitle(QStringLiteral("Kontrola dat"));
    resize(720, 420);
    m_report->setObjectName(QStringLiteral("ReportMemo"));
    m_report->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Tabulky složky aplikace a uživatele. Kontrola nic "
                                                "nezměnila."),
                                 this));
    layout->addWidget(m_report);
    auto* close = widgets::dialogButton(QStringLiteral("CloseBtn"), QStringLiteral("Zavři"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(close);
    layout->addLayout(row);
}

void DataCheckDialog::show(const QStringList& reportLines) {
    m_report->setPlainText(reportLines.join(u'\n'));
    m_services.modals.exec(*this);
}

} // namespace shell
