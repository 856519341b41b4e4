#pragma once

#include <QDialog>

#include <optional>

namespace widgets {

// Shows a dialog modally and gives its result. Tests put a script in its place that
// fills and closes the real dialog.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual int exec(QDialog& dialog) = 0;
};

// Shows the dialog modally; what it chose is read only when the user confirmed it.
template <typename Read>
auto choiceOf(ModalRunner& modals, QDialog& dialog, Read read) -> std::optional<decltype(read())> {
    if (modals.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return read();
}

class EventLoopModalRunner : public ModalRunner {
public:
    int exec(QDialog& dialog) override { return dialog.exec(); }
};

} // namespace widgets
