#include "widgets/filedialogpicker.h"

#include <QFileDialog>
#include <QFileInfo>

namespace widgets {

std::optional<QString> FileDialogPicker::pickFileToOpen(const QString& filter,
                                                        const QString& folder, QWidget* parent) {
    const QString chosen = QFileDialog::getOpenFileName(
        parent, QString(), m_lastFolder.isEmpty() ? folder : m_lastFolder, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    m_lastFolder = QFileInfo(chosen).path();
    return chosen;
}

std::optional<QString> FileDialogPicker::pickFileToSave(const QString& filter,
                                                        const QString& defaultSuffix,
                                                        QWidget* parent) {
    QFileDialog dialog(parent, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace widgets
