#include "exchange/textimport.h"

#include "entry/wordentry.h"
#include "exchange/importbatch.h"
#include "exchange/textimportlines.h"

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

EntryOrigin lineOrigin(qsizetype index) {
    return {u"řádek", index + 1};
}

void report(const Progress& progress, qsizetype done, qsizetype total) {
    if (progress)
        progress(static_cast<int>(done), static_cast<int>(total));
}

} // namespace

ImportCount importLinePairs(store::Cursor& dictionary, const QStringList& lines,
                            const Progress& progress) {
    const qsizetype pairs = (lines.size() + 1) / 2;
    EntryImporter importer(dictionary, pairs);
    ImportBatch batch(dictionary, importer.storedEntries(), pairs);
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        NewEntry entry;
        entry.czech = replaceEllipsis(lines[i]);
        entry.other = i + 1 < lines.size() ? replaceEllipsis(lines[i + 1]) : QString();
        if (entry::hasBothWords(entry.czech, entry.other))
            importer.add(entry, lineOrigin(i));
        report(progress, std::min(i + 2, lines.size()), lines.size());
    }
    batch.finish(progress, static_cast<int>(lines.size()));
    return importer.count();
}

ImportCount importTabSeparated(store::Cursor& dictionary, const QStringList& lines,
                               const Progress& progress) {
    EntryImporter importer(dictionary, lines.size());
    ImportBatch batch(dictionary, importer.storedEntries(), lines.size());
    qsizetype first = 0;
    CharacterPairs pairs;
    MalformedLines malformed;
    if (!lines.isEmpty()) {
        if (std::optional<CharacterPairs> directive = replaceDirective(lines.first())) {
            pairs = std::move(*directive);
            first = 1;
        }
    }
    for (qsizetype i = first; i < lines.size(); ++i) {
        std::variant<TabLine, TabLineFault> split = splitTabLine(lines[i]);
        if (auto* line = std::get_if<TabLine>(&split)) {
            NewEntry entry;
            entry.czech = replaceEllipsis(std::move(line->czech));
            entry.other = replaceEllipsis(replaceCharacters(std::move(line->other), pairs));
            entry.lesson = line->lesson;
            entry.description = replaceEllipsis(descriptionLines(std::move(line->description)));
            if (entry::hasBothWords(entry.czech, entry.other))
                importer.add(entry, lineOrigin(i));
        } else if (std::get<TabLineFault>(split) == TabLineFault::SecondTabTooFar) {
            ++malformed.secondTabTooFar;
        } else if (!lines[i].trimmed().isEmpty()) {
            ++malformed.withoutSecondTab;
        }
        report(progress, i + 1, lines.size());
    }
    batch.finish(progress, static_cast<int>(lines.size()));
    ImportCount count = importer.count();
    count.malformed = malformed;
    return count;
}

} // namespace exchange
