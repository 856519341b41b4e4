#include "dictionary/gridlayout.h"

#include "core/cp1250linereader.h"
#include "core/fileerror.h"
#include "core/filereplace.h"
#include "dictionary/wordlist.h"

#include <QStringList>

namespace dictionary {

std::vector<GridColumn> designedGridColumns() {
    return {
        {QStringLiteral("Czech"), QStringLiteral("Česky"), 200},
        {QStringLiteral("Other"), QStringLiteral("Jiný jazyk"), 200},
        {QStringLiteral("Lekce"), QStringLiteral("Lekce"), 47},
        {QStringLiteral("Dobre"), QStringLiteral("Dobře"), 48},
        {QStringLiteral("Spatne"), QStringLiteral("Špatně"), 55},
        {QStringLiteral("Czechzk"), QStringLiteral("Zkoušecí slovo česky"), 200},
        {QStringLiteral("Otherzk"), QStringLiteral("Zkoušecí slovo jinojazyčně"), 200},
    };
}

QString widestNumber(const GridColumn& column) {
    for (const char* field : {"Lekce", "Dobre", "Spatne"}) {
        if (column.field.compare(QLatin1StringView(field), Qt::CaseInsensitive) == 0)
            return QString::number(kKnownWordRightAnswers);
    }
    return {};
}

void saveGridLayout(const QString& path, const std::vector<GridColumn>& columns) {
    QStringList lines;
    for (const GridColumn& column : columns)
        lines << QStringList{column.field, column.title, QString::number(column.width)}.join(u'\t');
    core::replaceFileWithLines(path, lines);
}

std::vector<GridColumn> loadGridLayout(const QString& path) {
    std::vector<GridColumn> columns;
    for (const QString& line : core::readCp1250FileLines(path)) {
        const QStringList parts = line.split(u'\t');
        bool widthOk = false;
        const int width = parts.value(2).toInt(&widthOk);
        if (parts.size() != 3 || !widthOk || parts[0].isEmpty())
            throw core::FileError(QStringLiteral("Soubor %1 je poškozen.").arg(path));
        columns.push_back({parts[0], parts[1], width});
    }
    if (columns.empty())
        throw core::FileError(QStringLiteral("Soubor %1 je prázdný.").arg(path));
    return columns;
}

} // namespace dictionary
