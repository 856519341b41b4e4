#include "sound/article.h"

#include "sound/audioerror.h"
#include "sound/selectionstore.h"
#include "sound/typedtime.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace sound {

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kIntervalFieldWidth = 11;

const QString kPieceFailed = u"Zvuk nebylo možné přiřadit, hlášení zní: \r\n"_s;

QString intervalField(qint64 ms) {
    return QString::number(double(ms) / 1000, 'f', 3).rightJustified(kIntervalFieldWidth);
}

// Every line as a selection inside the take, so that a bad line stops the store before a
// folder is made.
std::vector<Selection> readIntervals(const PcmSound& take, const QStringList& lines) {
    std::vector<Selection> intervals;
    for (const QString& line : lines) {
        const std::optional<Selection> interval = parseInterval(line);
        if (!interval)
            throw ArticleError(kPieceFailed + u"Řádek \"%1\" není interval."_s.arg(line));
        try {
            requireSelectionInside(take, *interval);
        } catch (const AudioError& error) {
            throw ArticleError(kPieceFailed + error.message());
        }
        intervals.push_back(*interval);
    }
    return intervals;
}

} // namespace

bool canStoreArticle(const QString& name, qsizetype intervalCount) {
    return name.size() > 2 && intervalCount > 0;
}

QString formatInterval(Selection selection) {
    return intervalField(selection.startMs) + u' ' + intervalField(selection.endMs);
}

std::optional<Selection> parseInterval(const QString& line) {
    const std::optional<qint64> start = parseTypedSeconds(line.left(kIntervalFieldWidth));
    const std::optional<qint64> end = parseTypedSeconds(line.mid(kIntervalFieldWidth + 1));
    if (!start || !end)
        return std::nullopt;
    return Selection{*start, *end};
}

QString articleNameProblem(const QString& name) {
    if (name.isEmpty())
        return u"Zadej název článku."_s;
    if (std::ranges::any_of(name, [](QChar c) { return c.category() == QChar::Other_Control; }))
        return u"Název článku nesmí obsahovat řídicí znaky."_s;
    if (name.contains(u'/') || name.contains(u'\\'))
        return u"Název článku nesmí obsahovat lomítko ani zpětné lomítko, je to název adresáře."_s;
    if (name.contains(u".."_s))
        return u"Název článku nesmí obsahovat dvě tečky za sebou (\"..\")."_s;
    if (name.startsWith(u'.'))
        return u"Název článku nesmí začínat tečkou."_s;
    return {};
}

void storeArticle(const QString& practiceFolder, const QString& name, const PcmSound& take,
                  const QStringList& intervalLines) {
    if (const QString problem = articleNameProblem(name); !problem.isEmpty())
        throw ArticleError(problem);
    const std::vector<Selection> intervals = readIntervals(take, intervalLines);
    const QDir practice(practiceFolder);
    if (!practice.exists() && !QDir().mkdir(practiceFolder))
        throw ArticleError(u"Není možné vytvořit adresář \"practice\"."_s);
    if (QFileInfo::exists(practice.filePath(name)))
        throw ArticleError(u"Takové cvičení již existuje, zadej jiný název."_s);
    if (!practice.mkdir(name))
        throw ArticleError(u"Není možné vytvořit adresář \"%1\"."_s.arg(name));
    const QDir article(practice.filePath(name));
    for (size_t i = 0; i < intervals.size(); ++i) {
        const QString piece = u"%1.wav"_s.arg(i, 6, 10, QChar(u'0'));
        try {
            storeSelection(take, intervals[i], article.filePath(piece), Replace::Never);
        } catch (const AudioError& error) {
            throw ArticleError(kPieceFailed + error.message());
        }
    }
}

} // namespace sound
