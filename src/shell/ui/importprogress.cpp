#include "shell/ui/importprogress.h"

#include <QApplication>
#include <QProgressDialog>

namespace shell {
namespace {

using namespace Qt::StringLiterals;

constexpr int kShowAfterMilliseconds = 500;
// The dialog turns the event loop at each update: a few times a second is enough for the bar
// and answers "Zrušit" at once, while the import's steps may come a million times.
constexpr qint64 kUpdateMilliseconds = 40;

} // namespace

ImportProgress::ImportProgress(QWidget& window, core::Messages& messages)
    : m_window(window)
    , m_messages(messages) {}

ImportProgress::~ImportProgress() {
    close();
}

void ImportProgress::close() {
    if (m_dialog) {
        m_dialog.reset();
        QApplication::restoreOverrideCursor();
    }
}

exchange::Progress ImportProgress::progress() {
    return [this](int done, int total) {
        step(done, total);
    };
}

void ImportProgress::step(int done, int total) {
    if (!m_dialog) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        m_dialog = std::make_unique<QProgressDialog>(u"Importuji slovíčka…"_s, u"Zrušit"_s, 0,
                                                     total, &m_window);
        m_dialog->setObjectName(u"ImportProgress"_s);
        m_dialog->setWindowTitle(u"Import"_s);
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(kShowAfterMilliseconds);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        m_dialog->setValue(0);
        m_sinceUpdate.start();
    }
    if (m_sinceUpdate.elapsed() < kUpdateMilliseconds && (done != total || m_storing))
        return;
    m_sinceUpdate.restart();
    if (m_storing) { // the table is inside one long step: nothing else may run
        m_dialog->repaint();
        return;
    }
    m_dialog->setValue(done);
    if (m_dialog->wasCanceled())
        throw exchange::ImportStopped();
    // After the last entry the import stores them all at once, and cannot stop any more.
    if (done == total) {
        m_storing = true;
        m_dialog->setCancelButton(nullptr);
        m_dialog->setLabelText(u"Ukládám slovíčka…"_s);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void ImportProgress::error(const QString& text) {
    close();
    m_messages.error(text);
}

void ImportProgress::warning(const QString& text) {
    close();
    m_messages.warning(text);
}

void ImportProgress::information(const QString& text) {
    close();
    m_messages.information(text);
}

bool ImportProgress::confirm(const QString& text) {
    close();
    return m_messages.confirm(text);
}

bool ImportProgress::ask(const QString& text) {
    close();
    return m_messages.ask(text);
}

bool ImportProgress::confirmDangerous(const QString& text) {
    close();
    return m_messages.confirmDangerous(text);
}

} // namespace shell
