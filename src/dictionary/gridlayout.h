#pragma once

#include <QString>

#include <vector>

namespace dictionary {

// One column of the word grid.
struct GridColumn {
    QString field;
    QString title;
    int width = 0;

    bool operator==(const GridColumn&) const = default;
};

// The word grid's columns as designed: Czech, Other, Lekce, Dobre, Spatne, Czechzk, Otherzk.
std::vector<GridColumn> designedGridColumns();

// The widest value of a number column (Lekce, Dobre, Spatne), which its width is to fit
// besides its title: 100000, the right answers of a known word. Empty for the word columns.
QString widestNumber(const GridColumn& column);

// grid.tmp: one column a line, "field<TAB>title<TAB>width", Windows-1250 with CR LF.
// Saving replaces the file whole; both raise core::FileError on failure.
void saveGridLayout(const QString& path, const std::vector<GridColumn>& columns);
std::vector<GridColumn> loadGridLayout(const QString& path);

} // namespace dictionary
