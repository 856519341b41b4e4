#include "exchange/textimportlines.h"

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

constexpr qsizetype kWindow = 255;
const QString kDirective = u"###REPLACE_OTHER###="_s;

// The text up to the next TAB (or the end) and whether a TAB ended it.
std::pair<QStringView, bool> field(QStringView text) {
    const qsizetype tab = text.indexOf(u'\t');
    return tab < 0 ? std::pair{text, false} : std::pair{text.first(tab), true};
}

qint32 lessonNumber(QStringView text) {
    bool ok = false;
    const qint32 lesson = text.toInt(&ok, 10);
    return ok ? lesson : 0;
}

} // namespace

std::variant<TabLine, TabLineFault> splitTabLine(QStringView line) {
    const qsizetype firstTab = line.indexOf(u'\t');
    if (firstTab < 0)
        return TabLineFault::NoSecondTab;
    const QStringView afterFirst = line.sliced(firstTab + 1).left(kWindow);
    const qsizetype secondTab = afterFirst.indexOf(u'\t');
    if (secondTab < 0) {
        return line.indexOf(u'\t', firstTab + 1) < 0 ? TabLineFault::NoSecondTab
                                                     : TabLineFault::SecondTabTooFar;
    }
    const QStringView afterSecond = afterFirst.sliced(secondTab + 1).left(kWindow);
    const auto [lesson, hasDescription] = field(afterSecond);
    TabLine entry{line.first(firstTab).toString(),
                  afterFirst.first(secondTab).toString(),
                  lessonNumber(lesson),
                  {}};
    if (hasDescription)
        entry.description = field(afterSecond.sliced(lesson.size() + 1)).first.toString();
    return entry;
}

std::optional<CharacterPairs> replaceDirective(QStringView firstLine) {
    const qsizetype at = firstLine.indexOf(kDirective);
    if (at < 0)
        return std::nullopt;
    const QStringView list = firstLine.sliced(at + kDirective.size()).left(kWindow);
    CharacterPairs pairs;
    for (qsizetype i = 0; i + 1 < list.size(); i += 2)
        pairs.emplace_back(list[i], list[i + 1]);
    return pairs;
}

QString replaceCharacters(QString text, const CharacterPairs& pairs) {
    for (QChar& character : text) {
        for (const auto& [from, to] : pairs) {
            if (character == from)
                character = to;
        }
    }
    return text;
}

QString replaceEllipsis(QString text) {
    return text.replace(u'…', u"..."_s);
}

QString descriptionLines(QString text) {
    return text.replace(u'*', u"\r\n"_s);
}

} // namespace exchange
