#pragma once

#include "entry/testwordrules.h"

#include <QString>
#include <QStringList>

namespace entry {

// Applies the lines of a code.ini to the rules in file order; a key no line gives keeps
// its value. Keys match as line prefixes, case-sensitive, untrimmed.
void applyCodeIniLines(const QStringList& lines, TestWordRules& rules);

// Reads a code.ini into the rules. Raises core::FileError with the message
// "Chyba při čtení souboru "code.ini"." when the file cannot be read; lines read before
// the failure stay applied.
void readCodeIni(const QString& path, TestWordRules& rules);

// The ten lines of a code.ini, and writing them as the whole file (a failed write leaves
// the old file and raises core::FileError).
QStringList codeIniLines(const TestWordRules& rules);
void writeCodeIni(const QString& path, const TestWordRules& rules);

} // namespace entry
