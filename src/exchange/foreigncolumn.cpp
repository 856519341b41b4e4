#include "exchange/foreigncolumn.h"

namespace exchange {

QStringList foreignColumnFromFile(QStringList lines, const ForeignColumn& column, bool linePairs) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString& line = lines[i];
        if (linePairs) {
            if (i % 2 == 1)
                line = column.fromFile(line);
        } else if (i == 0 && line.contains(u"###REPLACE_OTHER###=")) {
            line = column.fromFile(line);
        } else if (const qsizetype first = line.indexOf(u'\t'); first >= 0) {
            qsizetype second = line.indexOf(u'\t', first + 1);
            if (second < 0)
                second = line.size();
            line = line.left(first + 1) +
                   column.fromFile(line.sliced(first + 1, second - first - 1)) +
                   line.sliced(second);
        }
    }
    return lines;
}

} // namespace exchange
