#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace exchange {

// One line of a TAB-separated import file: Czech TAB foreign TAB lesson TAB description.
struct TabLine {
    QString czech;
    QString other;
    qint32 lesson = 0;
    QString description;
};

// Why a line gives no entry: it has fewer than two TABs, or its second TAB lies beyond the
// 255 characters after the first (a foreign expression too long to be read).
enum class TabLineFault { NoSecondTab, SecondTabTooFar };

// Splits an entry line. Only the 255 characters after the first TAB are looked at, and of
// those only the 255 after the second TAB. The lesson is a decimal number, 0 when empty, not
// a number or beyond 32 bits.
std::variant<TabLine, TabLineFault> splitTabLine(QStringView line);

// The pairs of "###REPLACE_OTHER###=": in each pair the first character is replaced by the
// second, in order, so a later pair sees what an earlier one made.
using CharacterPairs = std::vector<std::pair<QChar, QChar>>;

// The pairs of a first line holding the directive, or nothing when it does not hold it.
// At most 255 characters after the directive count; an unpaired last one is ignored.
std::optional<CharacterPairs> replaceDirective(QStringView firstLine);

QString replaceCharacters(QString text, const CharacterPairs& pairs);

// "…" becomes "...".
QString replaceEllipsis(QString text);

// Each "*" of a description stands for a line break.
QString descriptionLines(QString text);

} // namespace exchange
