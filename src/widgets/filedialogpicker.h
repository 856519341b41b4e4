#pragma once

#include "widgets/filepicker.h"

namespace widgets {

// The toolkit's file dialogs. Opening starts in the folder of the file chosen last, as the
// one dialog of the main window did, and in the given folder before any choice.
class FileDialogPicker : public FilePicker {
public:
    std::optional<QString> pickFileToOpen(const QString& filter, const QString& folder,
                                          QWidget* parent) override;
    std::optional<QString> pickFileToSave(const QString& filter, const QString& defaultSuffix,
                                          QWidget* parent) override;

private:
    QString m_lastFolder;
};

} // namespace widgets
