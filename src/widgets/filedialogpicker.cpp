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

} // namespace widgets
