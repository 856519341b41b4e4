#pragma once

#include "entry/regeneration.h"

#include <QElapsedTimer>

class QProgressBar;
class QWidget;

namespace shell {

// What the main window shows while a long walk runs over the dictionary: the wait cursor,
// the word grid disabled and the progress bar moving. Everything is put back however the
// walk ends.
class LongWalk {
public:
    LongWalk(QWidget& grid, QProgressBar& progress);
    ~LongWalk();
    LongWalk(const LongWalk&) = delete;
    LongWalk& operator=(const LongWalk&) = delete;

    // Moves the bar; the window repaints now and then so that it never looks frozen, but
    // takes no input until the walk ends.
    entry::WalkProgress progress();
    // Repaints the bar alone while the table is inside one long step, where nothing else may
    // run.
    std::function<void()> stillBusy();

private:
    QWidget& m_grid;
    QProgressBar& m_progress;
    QElapsedTimer m_sinceRepaint;
};

} // namespace shell
