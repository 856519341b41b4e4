#include "entry/commasplit.h"

#include "entry/tablewalk.h"
#include "store/error.h"
#include "store/postbatch.h"

namespace entry {
namespace {

std::pair<QString, QString> splitAtFirstComma(const QString& expression) {
    const qsizetype comma = expression.indexOf(u',');
    QString first = expression.left(comma);
    QString second = expression.mid(comma + 1);
    if (first.endsWith(u' '))
        first.chop(1);
    if (second.startsWith(u' '))
        second.remove(0, 1);
    return {first, second};
}

QString text(store::Cursor& dictionary, const QString& name) {
    return dictionary.field(name).asString();
}

// Posts what the caller set; a refused post (a duplicate pair, say) is cancelled quietly.
template <typename Fill> void postQuietly(store::Cursor& dictionary, Fill&& fill) {
    try {
        fill();
        dictionary.post();
    } catch (const store::Error& error) {
        dictionary.cancel();
        if (error.kind() != store::Error::Kind::Refused)
            throw; // the table failed, not the half: the walk cannot go on
    }
}

void applySplit(store::Cursor& dictionary, const SplitProposal& proposal, int lesson) {
    postQuietly(dictionary, [&] {
        dictionary.edit();
        dictionary.field(QStringLiteral("Czech")).setAsString(proposal.firstCzech);
        dictionary.field(QStringLiteral("Other")).setAsString(proposal.firstOther);
    });
    const store::Bookmark split = dictionary.bookmark();
    postQuietly(dictionary, [&] {
        dictionary.insert();
        dictionary.field(QStringLiteral("Czech")).setAsString(proposal.secondCzech);
        dictionary.field(QStringLiteral("Other")).setAsString(proposal.secondOther);
        dictionary.field(QStringLiteral("Lekce")).setAsInteger(lesson);
    });
    dictionary.gotoBookmark(split);
}

} // namespace

std::optional<SplitProposal> proposeSplit(const QString& czech, const QString& other,
                                          const QString& czechTestWord,
                                          const QString& otherTestWord) {
    if (czechTestWord.contains(u',') && czech.contains(u',')) {
        const auto [first, second] = splitAtFirstComma(czech);
        return SplitProposal{first, other, second, other};
    }
    if (otherTestWord.contains(u',') && other.contains(u',')) {
        const auto [first, second] = splitAtFirstComma(other);
        return SplitProposal{czech, first, czech, second};
    }
    return std::nullopt;
}

void reevaluateCommas(store::Cursor& dictionary, const SplitQuestion& ask,
                      const WalkProgress& progress) {
    const TableWalk walk(dictionary, TableWalk::Filter::LeaveOff);
    const int total = dictionary.recordCount();
    int done = 0;
    // Committed before every question, so that nothing waits uncommitted while the user
    // thinks.
    std::optional<store::PostBatch> batch;
    for (dictionary.first(); !dictionary.eof(); dictionary.next()) {
        if (!batch)
            batch.emplace(dictionary);
        dictionary.edit();
        dictionary.post();
        if (progress)
            progress(std::min(++done, total), total);
        const QString czech = text(dictionary, QStringLiteral("Czech"));
        const QString other = text(dictionary, QStringLiteral("Other"));
        std::optional<SplitProposal> proposal =
            proposeSplit(czech, other, text(dictionary, QStringLiteral("Czechzk")),
                         text(dictionary, QStringLiteral("Otherzk")));
        if (!proposal)
            continue;
        const int lesson = dictionary.field(QStringLiteral("Lekce")).asInteger();
        batch->finish();
        batch.reset();
        const SplitAnswer answer = ask(czech, other, *proposal);
        if (answer == SplitAnswer::Split)
            applySplit(dictionary, *proposal, lesson);
        if (answer == SplitAnswer::Stop)
            break;
    }
    if (batch)
        batch->finish();
}

} // namespace entry
