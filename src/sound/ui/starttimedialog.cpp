#include "sound/ui/starttimedialog.h"

#include "widgets/dialogbutton.h"
#include "widgets/modalrunner.h"
#include "widgets/namedwidgets.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace sound {

StartTimeDialog::StartTimeDialog(widgets::ModalRunner& modals, QWidget* parent)
    : QDialog(parent)
    , m_modals(modals)
    , m_time(widgets::lineEdit(QStringLiteral("Edit1"), 32, this)) {
    setObjectName(QStringLiteral("TSetStartDlg"));
    setWindowTitle(QStringLiteral("Nastav start"));
    auto* fields = new QFormLayout;
    fields->addRow(
        widgets::label(QStringLiteral("Label1"), QStringLiteral("Startovací čas:"), this), m_time);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(widgets::okCancelButtonRow(*this));
}

std::optional<QString> StartTimeDialog::run(qint64 positionMs) {
    m_time->setText(QString::number(double(positionMs) / 1000, 'f', 3));
    m_time->selectAll();
    m_time->setFocus();
    return widgets::choiceOf(m_modals, *this, [this] { return m_time->text(); });
}

} // namespace sound
