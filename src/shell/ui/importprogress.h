#pragma once

#include "core/messages.h"
#include "exchange/entryimporter.h"

#include <QElapsedTimer>

#include <memory>

class QProgressDialog;
class QWidget;

namespace shell {

// What the main window shows while an import runs: from the import's first step on, the
// busy cursor, and once it lasts half a second, a progress dialog over the window with
// "Zrušit" (or Escape). The dialog takes the window's input meanwhile; stopping throws
// exchange::ImportStopped out of the step, so the import leaves nothing behind. After the
// last entry the dialog says that the words are being stored and repaints itself alone while
// the import builds its indexes, called with the last step again and again. The import's messages
// go through messages(), which closes the dialog before the first of them.
class ImportProgress : private core::Messages {
public:
    ImportProgress(QWidget& window, core::Messages& messages);
    ~ImportProgress() override;
    ImportProgress(const ImportProgress&) = delete;
    ImportProgress& operator=(const ImportProgress&) = delete;

    exchange::Progress progress();
    core::Messages& messages() { return *this; }

private:
    void step(int done, int total);
    void close();

    void error(const QString& text) override;
    void warning(const QString& text) override;
    void information(const QString& text) override;
    bool confirm(const QString& text) override;
    bool ask(const QString& text) override;
    bool confirmDangerous(const QString& text) override;

    QWidget& m_window;
    core::Messages& m_messages;
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_sinceUpdate;
    bool m_storing = false; // the last entry is done
};

} // namespace shell
