#include "exchange/kvtmlreader.h"

#include "core/fileerror.h"
#include "exchange/utf8check.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

// Deeper lessons are not a learner's; the limit keeps a hostile file off the stack.
constexpr int kLessonDepth = 32;

class KvtmlParser {
public:
    explicit KvtmlParser(const QByteArray& bytes)
        : m_reader(bytes) {}

    KvtmlContent parse() {
        if (!m_reader.readNextStartElement())
            failOnError();
        if (m_reader.name() != u"kvtml")
            fail(u"Soubor není ve formátu kvtml (řádek %1)."_s.arg(m_reader.lineNumber()));
        const QString version =
            m_reader.attributes().value(QLatin1StringView("version")).toString();
        // The first version had no version attribute.
        if (!version.startsWith(u"2."))
            fail(u"Soubor je ve formátu kvtml verze %1 (řádek %2), Lexiton čte jen verzi 2."_s.arg(
                version.isEmpty() ? u"1"_s : version, QString::number(m_reader.lineNumber())));
        while (m_reader.readNextStartElement()) {
            if (m_reader.name() == u"identifiers")
                readIdentifiers();
            else if (m_reader.name() == u"entries")
                readEntries();
            else if (m_reader.name() == u"lessons")
                readLessons();
            else
                m_reader.skipCurrentElement();
        }
        failOnError();
        if (m_columnIds[1].isNull())
            fail(u"Soubor kvtml nemá dva jazyky (řádek %1)."_s.arg(m_reader.lineNumber()));
        return std::move(m_content);
    }

private:
    [[noreturn]] static void fail(const QString& message) { throw core::FileError(message); }

    void failOnError() {
        if (m_reader.error() == QXmlStreamReader::PrematureEndOfDocumentError)
            fail(u"Soubor kvtml je neúplný: končí na řádku %1 uprostřed zápisu."_s.arg(
                m_reader.lineNumber()));
        if (m_reader.hasError())
            fail(u"Soubor kvtml je poškozený: chybný zápis XML na řádku %1, sloupci %2 (%3)."_s
                     .arg(m_reader.lineNumber())
                     .arg(m_reader.columnNumber())
                     .arg(m_reader.errorString()));
    }

    void readIdentifiers() {
        while (m_reader.readNextStartElement()) {
            const qsizetype column = m_columnIds[0].isNull() ? 0 : 1;
            if (m_reader.name() != u"identifier" || !m_columnIds[1].isNull()) {
                m_reader.skipCurrentElement();
                continue;
            }
            m_columnIds[column] = m_reader.attributes().value(QLatin1StringView("id")).toString();
            KvtmlIdentifier& identifier = m_content.identifiers[size_t(column)];
            while (m_reader.readNextStartElement()) {
                if (m_reader.name() == u"name")
                    identifier.name = m_reader.readElementText();
                else if (m_reader.name() == u"locale")
                    identifier.locale = m_reader.readElementText();
                else
                    m_reader.skipCurrentElement();
            }
        }
    }

    void readEntries() {
        while (m_reader.readNextStartElement()) {
            if (m_reader.name() != u"entry") {
                m_reader.skipCurrentElement();
                continue;
            }
            KvtmlEntry entry;
            entry.line = m_reader.lineNumber();
            const QString id = m_reader.attributes().value(QLatin1StringView("id")).toString();
            QStringList notes;
            while (m_reader.readNextStartElement()) {
                if (m_reader.name() == u"translation")
                    readTranslation(entry, notes);
                else
                    m_reader.skipCurrentElement();
            }
            // Both programs save the empty rows of their grids; a file may hold many.
            if (entry.texts[0].isEmpty() && entry.texts[1].isEmpty()) {
                ++m_content.withoutText;
                continue;
            }
            // XML reads every line end as LF; descriptions end their lines with CR LF.
            entry.description =
                notes.join(u'\n').replace(u"\r\n"_s, u"\n"_s).replace(u'\n', u"\r\n"_s);
            m_entryIndex.insert(id, qsizetype(m_content.entries.size()));
            m_content.entries.push_back(std::move(entry));
        }
    }

    void readTranslation(KvtmlEntry& entry, QStringList& notes) {
        const QStringView id = m_reader.attributes().value(QLatin1StringView("id"));
        const qsizetype column = id == m_columnIds[0] ? 0 : id == m_columnIds[1] ? 1 : -1;
        while (m_reader.readNextStartElement()) {
            const QStringView name = m_reader.name();
            if (column >= 0 && name == u"text")
                entry.texts[size_t(column)] = m_reader.readElementText();
            else if (column >= 0 && (name == u"comment" || name == u"pronunciation"))
                notes << m_reader.readElementText();
            else if (column >= 0 && name == u"grade")
                readGrade(entry);
            else
                m_reader.skipCurrentElement();
            if (!notes.isEmpty() && notes.last().isEmpty())
                notes.removeLast();
        }
    }

    void readGrade(KvtmlEntry& entry) {
        qint64 count = 0;
        qint64 errors = 0;
        while (m_reader.readNextStartElement()) {
            if (m_reader.name() == u"count")
                count = m_reader.readElementText().toLongLong();
            else if (m_reader.name() == u"errorcount")
                errors = m_reader.readElementText().toLongLong();
            else
                m_reader.skipCurrentElement();
        }
        errors = std::clamp<qint64>(errors, 0, count);
        entry.right = saturated(entry.right + count - errors);
        entry.wrong = saturated(entry.wrong + errors);
    }

    static qint32 saturated(qint64 value) {
        return static_cast<qint32>(std::clamp<qint64>(value, 0, INT32_MAX));
    }

    void readLessons() {
        while (m_reader.readNextStartElement()) {
            if (m_reader.name() == u"container")
                readLesson({}, 0);
            else
                m_reader.skipCurrentElement();
        }
    }

    // The name comes first in the files of both programs, so that nested lessons and the
    // entries see the whole path.
    void readLesson(const QString& parentPath, int depth) {
        if (depth >= kLessonDepth)
            fail(u"Soubor kvtml má lekce vnořené hlouběji než %1 úrovní (řádek %2)."_s
                     .arg(kLessonDepth)
                     .arg(m_reader.lineNumber()));
        const qint32 number = m_nextLesson++;
        QString path = parentPath;
        while (m_reader.readNextStartElement()) {
            if (m_reader.name() == u"name") {
                const QString name = m_reader.readElementText();
                path = parentPath.isEmpty() ? name : parentPath + u" / "_s + name;
            } else if (m_reader.name() == u"entry") {
                placeEntry(m_reader.attributes().value(QLatin1StringView("id")).toString(), number,
                           depth > 0 ? path : QString());
                m_reader.skipCurrentElement();
            } else if (m_reader.name() == u"container") {
                readLesson(path, depth + 1);
            } else {
                m_reader.skipCurrentElement();
            }
        }
    }

    void placeEntry(const QString& id, qint32 lesson, const QString& nestedPath) {
        const auto found = m_entryIndex.constFind(id);
        if (found == m_entryIndex.cend())
            return;
        KvtmlEntry& entry = m_content.entries[size_t(*found)];
        if (entry.lesson != 0)
            return; // the first lesson holding an entry keeps it
        entry.lesson = lesson;
        if (!nestedPath.isEmpty()) {
            const QString line = u"Lekce: "_s + nestedPath;
            entry.description =
                entry.description.isEmpty() ? line : entry.description + u"\r\n"_s + line;
        }
    }

    QXmlStreamReader m_reader;
    KvtmlContent m_content;
    std::array<QString, 2> m_columnIds;
    QHash<QString, qsizetype> m_entryIndex;
    qint32 m_nextLesson = 1;
};

} // namespace

KvtmlContent readKvtml(const QByteArray& bytes) {
    // The XML reader finds a wrong byte only where its decoding has run ahead to; the line
    // is found here. Both programs write UTF-8, the encoding XML assumes when none is named.
    static const QRegularExpression kOtherEncoding(u"^<\\?xml[^>]*encoding=[\"'](?!utf-8)"_s,
                                                   QRegularExpression::CaseInsensitiveOption);
    if (!kOtherEncoding
             .match(QString::fromLatin1(bytes.first(std::min(bytes.size(), qsizetype(200)))))
             .hasMatch()) {
        if (const std::optional<qsizetype> line = firstLineNotUtf8(bytes))
            throw core::FileError(
                u"Soubor kvtml není v kódování UTF-8: chybný znak na řádku %1."_s.arg(*line));
    }
    return KvtmlParser(bytes).parse();
}

KvtmlContent readKvtmlFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw core::FileError::cannotRead(path, file.errorString());
    return readKvtml(file.readAll());
}

std::optional<CzechColumn> czechColumnByLocale(const KvtmlContent& content) {
    const auto czech = [](const KvtmlIdentifier& identifier) {
        return identifier.locale.startsWith(u"cs", Qt::CaseInsensitive);
    };
    const bool first = czech(content.identifiers[0]);
    if (first == czech(content.identifiers[1]))
        return std::nullopt;
    return first ? CzechColumn::First : CzechColumn::Second;
}

PeerEntries kvtmlEntries(KvtmlContent content, CzechColumn czech) {
    const size_t czechIndex = czech == CzechColumn::First ? 0 : 1;
    PeerEntries read;
    read.withoutExpression = content.withoutText;
    read.entries.reserve(content.entries.size());
    for (KvtmlEntry& kvtml : content.entries) {
        PeerEntry peer;
        peer.line = kvtml.line;
        peer.entry.czech = std::move(kvtml.texts[czechIndex]);
        peer.entry.other = std::move(kvtml.texts[1 - czechIndex]);
        peer.entry.lesson = kvtml.lesson;
        peer.entry.description = std::move(kvtml.description);
        peer.entry.right = kvtml.right;
        peer.entry.wrong = kvtml.wrong;
        if (peer.entry.czech.trimmed().isEmpty() || peer.entry.other.trimmed().isEmpty())
            ++read.withoutExpression;
        else
            read.entries.push_back(std::move(peer));
    }
    return read;
}

} // namespace exchange
