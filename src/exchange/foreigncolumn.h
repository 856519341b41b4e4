#pragma once

#include "core/codepage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace exchange {

// The foreign words' column of a dictionary's text files, in the code page of its foreign
// font while the Czech columns stay Windows-1250. The files are read as Windows-1250 lines,
// in which the column is carried as the Windows-1250 reading of its own bytes.
class ForeignColumn {
public:
    explicit ForeignColumn(const core::CodePage& codePage = core::CodePage::windows1250())
        : m_codePage(codePage) {}

    // The column's text from a line read as Windows-1250.
    QString fromFile(QStringView text) const { return m_codePage.fromCp1250Text(text); }

private:
    const core::CodePage& m_codePage;
};

// Lines of an import file read as Windows-1250 with their foreign column put in its code
// page: every second line of line pairs, the field after the first TAB of TAB-separated
// lines (and the whole "###REPLACE_OTHER###=" line, whose pairs are foreign characters).
QStringList foreignColumnFromFile(QStringList lines, const ForeignColumn& column, bool linePairs);

} // namespace exchange
