#include "exchange/entryimporter.h"

#include "core/czechplural.h"
#include "store/cursor.h"
#include "store/error.h"

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

constexpr int kKeyReadChunk = 4096;

// A short form of an expression for a reason line; a refused text may be very long.
QString shortened(const QString& text) {
    constexpr qsizetype kShown = 40;
    return text.size() <= kShown ? text : text.left(kShown) + u'…';
}

} // namespace

QString EntryOrigin::text() const {
    return kind + u' ' + QString::number(number);
}

QString countMessage(const ImportCount& count) {
    return u"Úspěšně přidáno %1 slovíček. Nemohlo být přidáno %2 slovíček"_s.arg(count.added)
        .arg(count.refused);
}

EntryImporter::EntryImporter(store::Cursor& dictionary, qsizetype incoming)
    : m_dictionary(dictionary) {
    const store::TableSchema& schema = dictionary.schema();
    m_czechField = schema.fieldIndex(u"Czech");
    m_otherField = schema.fieldIndex(u"Other");
    m_lessonField = schema.fieldIndex(u"Lekce");
    m_rightField = schema.fieldIndex(u"Dobre");
    m_wrongField = schema.fieldIndex(u"Spatne");
    m_descriptionField = schema.fieldIndex(u"Popis");
    store::Cursor whole;
    whole.setDatabaseName(dictionary.databaseName());
    whole.setTableName(dictionary.tableName());
    whole.open();
    const int total = whole.recordCount();
    m_storedEntries = total;
    m_keys.reserve(total + incoming);
    for (int first = 1; first <= total; first += kKeyReadChunk) {
        for (const store::StoredRow& row : whole.readStoredRows(first, kKeyReadChunk))
            m_keys.insert({row.text(size_t(m_czechField)), row.text(size_t(m_otherField))});
    }
}

std::optional<int> EntryImporter::overlongField(const NewEntry& entry) const {
    for (const auto& [text, index] :
         {std::pair{&entry.czech, m_czechField}, std::pair{&entry.other, m_otherField}}) {
        const int size = m_dictionary.schema().fields[static_cast<size_t>(index)].size;
        if (text->size() > size)
            return size;
    }
    return std::nullopt;
}

void EntryImporter::refuse(const EntryOrigin& origin, const NewEntry& entry, const QString& why) {
    if (++m_count.refused > ImportCount::kKeptReasons)
        return;
    m_count.reasons << u"%1: %2 – %3: %4"_s.arg(origin.text(), shortened(entry.czech),
                                                shortened(entry.other), why);
}

void EntryImporter::add(const NewEntry& entry, const EntryOrigin& origin) {
    if (const std::optional<int> size = overlongField(entry)) {
        refuse(origin, entry,
               core::czechCount(*size, u"výraz je delší než %1 znak",
                                u"výraz je delší než %1 znaky", u"výraz je delší než %1 znaků"));
        return;
    }
    std::pair<QString, QString> key{entry.czech, entry.other};
    if (m_keys.contains(key)) {
        refuse(origin, entry, u"slovíčko už ve slovníku je"_s);
        return;
    }
    try {
        m_dictionary.insert();
        m_dictionary.field(m_czechField).setAsString(entry.czech);
        m_dictionary.field(m_otherField).setAsString(entry.other);
        m_dictionary.field(m_lessonField).setAsInteger(entry.lesson);
        m_dictionary.field(m_rightField).setAsInteger(entry.right);
        m_dictionary.field(m_wrongField).setAsInteger(entry.wrong);
        if (!entry.description.isEmpty())
            m_dictionary.field(m_descriptionField).setAsMemo(entry.description);
        m_dictionary.post();
    } catch (const store::Error& error) {
        m_dictionary.cancel();
        if (error.kind() != store::Error::Kind::Refused)
            throw; // the table failed, not the entry: the import cannot go on
        refuse(origin, entry, error.message());
        return;
    }
    m_keys.insert(std::move(key));
    ++m_count.added;
}

} // namespace exchange
