#pragma once

#include "exchange/peerentries.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace exchange {

// A language of a kvtml file, as its identifier names it.
struct KvtmlIdentifier {
    QString name;
    QString locale;
};

// An entry of a kvtml file in the two languages of its first two identifiers.
struct KvtmlEntry {
    std::array<QString, 2> texts;
    QString description; // the pronunciation and comments, and the path of a nested lesson
    qint32 right = 0;    // the practice counts of both languages' grades
    qint32 wrong = 0;
    qint32 lesson = 0; // the first lesson holding it, numbered from 1 in document order
    qsizetype line = 0;
};

// What a kvtml file holds for a dictionary.
struct KvtmlContent {
    std::array<KvtmlIdentifier, 2> identifiers;
    std::vector<KvtmlEntry> entries; // those with a text in either language
    int withoutText = 0;
};

// Reads a kvtml file of version 2 (KWordQuiz, Parley) as it streams by, without a tree of the
// whole file. Lessons (containers) are numbered in document order, nested ones after their
// parent, and an entry of a nested lesson keeps the lesson's path ("Unit 1 / Part 2") in its
// description. A file that is not well-formed XML, is cut short, is not kvtml, is of another
// version or has fewer than two identifiers raises core::FileError with a Czech message that
// names the line.
KvtmlContent readKvtml(const QByteArray& bytes);
KvtmlContent readKvtmlFile(const QString& path);

// Czech is the language whose locale is "cs" when exactly one of the two has it.
std::optional<CzechColumn> czechColumnByLocale(const KvtmlContent& content);

// The entries with Czech taken from the column given.
PeerEntries kvtmlEntries(KvtmlContent content, CzechColumn czech);

} // namespace exchange
