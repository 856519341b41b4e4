#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace widgets {

// Lets the user choose an existing file to open, or a file to save to, as the file dialogs
// do; nothing when the user cancels. Tests put a scripted choice in its place.
class FilePicker {
public:
    virtual ~FilePicker() = default;
    // filter in the toolkit's form, "Textové soubory (*.txt)"; folder is where the choice
    // starts when the user has not chosen a file yet.
    virtual std::optional<QString> pickFileToOpen(const QString& filter, const QString& folder,
                                                  QWidget* parent) = 0;
    // A name typed without an extension gets defaultSuffix; choosing an existing file is
    // confirmed in the dialog, which does not make overwriting it right for the caller.
    virtual std::optional<QString>
    pickFileToSave(const QString& filter, const QString& defaultSuffix, QWidget* parent) = 0;
};

} // namespace widgets
