#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace widgets {

// Lets the user choose an existing file to open, as the file-open dialog does; nothing when
// the user cancels. Tests put a scripted choice in its place.
class FilePicker {
public:
    virtual ~FilePicker() = default;
    // filter in the toolkit's form, "Textové soubory (*.txt)"; folder is where the choice
    // starts when the user has not chosen a file yet.
    virtual std::optional<QString> pickFileToOpen(const QString& filter, const QString& folder,
                                                  QWidget* parent) = 0;
};

} // namespace widgets
