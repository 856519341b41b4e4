#pragma once

#include <QString>

namespace bench {

// The word grid's side of the store: what the main window does when a dictionary is
// opened, when a sort order or a lesson is chosen, and when one key is typed into the
// search box, each until the grid has its first screen of rows.
class GridBench {
public:
    static constexpr int kScreenRows = 30;

    double openFirstScreen(const QString& path);
    double switchOrder(const QString& path, const QString& indexName);
    double switchLesson(const QString& path, int lesson);
    double searchKeystroke(const QString& path, const QString& typed);
};

} // namespace bench
