#pragma once

#include <QDialog>

namespace shell {

// Shows a dialog modally and gives its result. Tests put a script in its place that
// fills and closes the real dialog.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual int exec(QDialog& dialog) = 0;
};

class EventLoopModalRunner : public ModalRunner {
public:
    int exec(QDialog& dialog) override { return dialog.exec(); }
};

} // namespace shell
