#include "entry/codeini.h"

#include "core/cp1250linereader.h"
#include "core/filereplace.h"
#include "core/settingsline.h"

namespace entry {
namespace {

// A trim set as the file keeps it: a last space stands for "spaces too".
void readTrimSet(const QString& value, QString& set, bool& withSpace) {
    withSpace = value.endsWith(u' ');
    set = withSpace ? value.chopped(1) : value;
}

QString yesNo(bool on) {
    return on ? QStringLiteral("yes") : QStringLiteral("no");
}

struct ExcludeKey {
    const char16_t* key;
    bool TestWordRules::*setting;
};

constexpr ExcludeKey kExcludeKeys[] = {
    {u"exclude//=", &TestWordRules::excludeSlashes},
    {u"exclude\\\\=", &TestWordRules::excludeBackslashes},
    {u"exclude[]=", &TestWordRules::excludeSquare},
    {u"exclude<>=", &TestWordRules::excludeAngle},
    {u"exclude{}=", &TestWordRules::excludeBraces},
    {u"exclude()=", &TestWordRules::excludeParentheses},
};

void applyLine(const QString& line, TestWordRules& rules) {
    for (const ExcludeKey& exclude : kExcludeKeys) {
        if (core::lineHasKey(line, exclude.key)) {
            rules.*exclude.setting = core::lineSaysYes(line, exclude.key);
            return;
        }
    }
    if (const auto value = core::valueAfterKey(line, u"excludebegin="))
        readTrimSet(*value, rules.beginSet, rules.beginSpace);
    else if (const auto endValue = core::valueAfterKey(line, u"excludeend="))
        readTrimSet(*endValue, rules.endSet, rules.endSpace);
    else if (core::lineHasKey(line, u"casesensitive="))
        rules.ignoreCase = !core::lineSaysYes(line, u"casesensitive=");
    else if (core::lineHasKey(line, u"space="))
        rules.ignoreCommaSpaces = core::lineSaysYes(line, u"space=");
}

} // namespace

void applyCodeIniLines(const QStringList& lines, TestWordRules& rules) {
    for (const QString& line : lines)
        applyLine(line, rules);
}

void readCodeIni(const QString& path, TestWordRules& rules) {
    applyCodeIniLines(
        core::readCp1250FileLines(path, QStringLiteral("Chyba při čtení souboru \"code.ini\".")),
        rules);
}

QStringList codeIniLines(const TestWordRules& rules) {
    QStringList lines;
    for (const ExcludeKey& exclude : kExcludeKeys)
        lines << QString::fromUtf16(exclude.key) + yesNo(rules.*exclude.setting);
    lines << QStringLiteral("excludebegin=") + rules.beginSet + (rules.beginSpace ? u" " : u"");
    lines << QStringLiteral("excludeend=") + rules.endSet + (rules.endSpace ? u" " : u"");
    lines << QStringLiteral("casesensitive=") + yesNo(!rules.ignoreCase);
    lines << QStringLiteral("space=") + yesNo(rules.ignoreCommaSpaces);
    return lines;
}

void writeCodeIni(const QString& path, const TestWordRules& rules) {
    core::replaceFileWithLines(path, codeIniLines(rules));
}

} // namespace entry
