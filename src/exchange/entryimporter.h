#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

namespace store {
class Cursor;
}

namespace exchange {

// Told how much of an import or a walk is done, out of how much.
using Progress = std::function<void(int done, int total)>;

// Thrown out of an import's Progress when the user stops the import. The import is one
// unit, so nothing of it stays; the import commands tell the user so.
struct ImportStopped {};

// An entry to be added to a dictionary.
struct NewEntry {
    QString czech;
    QString other;
    qint32 lesson = 0;
    QString description;
    qint32 right = 0;
    qint32 wrong = 0;
};

// Where an entry came from ("řádek 12", "záznam 3"), for the reason of a refusal; the text
// is made only when one is refused.
struct EntryOrigin {
    QStringView kind; // "řádek", "záznam"
    qsizetype number = 0;

    QString text() const;
};

// TAB-separated lines that give no entry, by their fault.
struct MalformedLines {
    int withoutSecondTab = 0;
    int secondTabTooFar = 0; // beyond the 255 characters after the first TAB
};

// What an import did: entries added, entries refused (already there, too long, refused by
// the table) with a short reason for each of the first ones. Entries skipped for other
// reasons (another lesson, an empty expression, a malformed line) are in neither number;
// malformed lines are counted apart, so that the user learns of them.
struct ImportCount {
    // Reasons kept at most: a file of a million bad lines must not fill the memory.
    static constexpr int kKeptReasons = 20;

    int added = 0;
    int refused = 0;
    QStringList reasons;
    MalformedLines malformed;
};

// "Úspěšně přidáno 3 slovíček. Nemohlo být přidáno 1 slovíček"
QString countMessage(const ImportCount& count);

// Adds entries to a dictionary through its cursor, so that the cursor's before-post hook
// derives the test words. An entry whose Czech and foreign expressions are both already in
// the dictionary is refused. So is one whose expression does not fit its field: it is
// never cut, since a cut expression would be a different word. A post the table refuses
// is cancelled and counted, and the import goes on; a failure of the table itself (a full
// disk, a damaged file) is raised. The imports hold an all-or-nothing batch, so that such a
// failure, or a killed program, leaves the dictionary as it was.
class EntryImporter {
public:
    // Learns the keys already stored from the whole table, whatever the cursor's filter,
    // with room for the keys of up to incoming new entries.
    EntryImporter(store::Cursor& dictionary, qsizetype incoming);

    void add(const NewEntry& entry, const EntryOrigin& origin);

    const ImportCount& count() const { return m_count; }
    // The entries the dictionary held before the import.
    qsizetype storedEntries() const { return m_storedEntries; }

private:
    void refuse(const EntryOrigin& origin, const NewEntry& entry, const QString& why);
    // The size of the first expression field the entry's text does not fit, if any.
    std::optional<int> overlongField(const NewEntry& entry) const;

    store::Cursor& m_dictionary;
    // The table's key is exact: its collation makes only identical texts equal.
    QSet<std::pair<QString, QString>> m_keys;
    ImportCount m_count;
    qsizetype m_storedEntries = 0;
    int m_czechField = 0;
    int m_otherField = 0;
    int m_lessonField = 0;
    int m_rightField = 0;
    int m_wrongField = 0;
    int m_descriptionField = 0;
};

} // namespace exchange
