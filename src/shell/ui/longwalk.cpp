#include "shell/ui/longwalk.h"

#include <QApplication>
#include <QProgressBar>

namespace shell {
namespace {

constexpr qint64 kRepaintMilliseconds = 40;

} // namespace

LongWalk::LongWalk(QWidget& grid, QProgressBar& progress)
    : m_grid(grid)
    , m_progress(progress) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_grid.setEnabled(false);
    m_progress.setValue(0);
    m_progress.show();
    m_sinceRepaint.start();
}

LongWalk::~LongWalk() {
    m_progress.hide();
    m_grid.setEnabled(true);
    QApplication::restoreOverrideCursor();
}

entry::WalkProgress LongWalk::progress() {
    return [this](int done, int total) {
        if (m_sinceRepaint.elapsed() < kRepaintMilliseconds && done != total)
            return;
        m_progress.setValue(total > 0 ? static_cast<int>(qint64{done} * 100 / total) : 100);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_sinceRepaint.restart();
    };
}

std::function<void()> LongWalk::stillBusy() {
    return [this] {
        m_progress.repaint();
    };
}

} // namespace shell
