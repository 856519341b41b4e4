#include "exchange/exporttemplate.h"

#include "core/cp1250codec.h"
#include "core/settingsint.h"
#include "core/settingsline.h"

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

const QString kHereMarker = u"{[..here..]}"_s;
const QString kEndMarker = u"{[..end..]}"_s;
const QString kSpecialMarker = u"..special.."_s;
const QString kLineBreak = u"<BR>"_s;

void readNumber(QStringView line, QStringView key, int& setting) {
    if (const std::optional<QString> value = core::valueAfterKey(line, key)) {
        if (const std::optional<qint32> number = core::parseSettingsInt(*value))
            setting = *number;
    }
}

void readText(QStringView line, QStringView key, QString& setting) {
    if (std::optional<QString> value = core::valueAfterKey(line, key))
        setting = std::move(*value);
}

void readSettingsLine(QStringView line, HtmlExportSettings& settings) {
    readText(line, u"col1=", settings.col1);
    readText(line, u"col2=", settings.col2);
    readText(line, u"col3=", settings.col3);
    readNumber(line, u"maxcz=", settings.maxCz);
    readNumber(line, u"maxother=", settings.maxOther);
    readNumber(line, u"newlinecz=", settings.newlineCz);
    readNumber(line, u"newlineother=", settings.newlineOther);
    if (core::lineHasKey(line, u"border=yes"))
        settings.border = true;
    readText(line, u"coltitle=", settings.colTitle);
}

// The replacement of the first entry of the table for the character, if any.
const QString* specialText(const std::vector<SpecialCharacter>* special, QChar character) {
    if (special == nullptr)
        return nullptr;
    for (const auto& [from, to] : *special) {
        if (from == character)
            return &to;
    }
    return nullptr;
}

void appendReference(QString& out, char32_t codePoint) {
    out += u"&#";
    out += QString::number(codePoint);
    out += u';';
}

// One piece of a cell, escaped (a "<BR>" put between two pieces is never part of a "<BR>"
// of the text, so each piece is escaped on its own).
void appendEscaped(QString& out, QStringView text, const std::vector<SpecialCharacter>* special) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text[i];
        if (character == u'>') {
            out += u"&gt;";
        } else if (character == u'<') {
            if (text.sliced(i).startsWith(kLineBreak)) {
                out += kLineBreak;
                i += kLineBreak.size() - 1;
            } else {
                out += u"&lt;";
            }
        } else if (const QString* replacement = specialText(special, character)) {
            out += *replacement;
        } else if (character.isHighSurrogate() && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            appendReference(out, QChar::surrogateToUcs4(character, text[++i]));
        } else if (core::cp1250Byte(character.unicode())) {
            out += character;
        } else {
            appendReference(out, character.unicode());
        }
    }
}

} // namespace

ExportTemplate parseExportTemplate(const QStringList& lines) {
    ExportTemplate parsed;
    qsizetype i = 0;
    while (i < lines.size() && !core::lineHasKey(lines[i], kHereMarker))
        parsed.head << lines[i++];
    if (i == lines.size())
        return parsed;
    bool inSpecialTable = false;
    for (++i; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (core::lineHasKey(line, kEndMarker))
            break;
        if (inSpecialTable) {
            if (line.size() >= 2)
                parsed.settings.special.emplace_back(line[0], line.sliced(2));
            inSpecialTable = parsed.settings.special.size() < size_t{kMaxSpecialCharacters};
            continue;
        }
        readSettingsLine(line, parsed.settings);
        if (core::lineHasKey(line, kSpecialMarker))
            inSpecialTable = parsed.settings.special.size() < size_t{kMaxSpecialCharacters};
    }
    if (i < lines.size())
        parsed.tail = lines.sliced(i + 1);
    return parsed;
}

void appendHtmlCell(QString& out, QStringView expression, int limit, int step,
                    const std::vector<SpecialCharacter>* special) {
    const QStringView cut = expression.left(std::max(limit, 0));
    if (step < 1) {
        appendEscaped(out, cut, special);
        return;
    }
    for (qsizetype start = 0; start < cut.size(); start += step) {
        if (start > 0)
            out += kLineBreak;
        appendEscaped(out, cut.sliced(start, std::min<qsizetype>(step, cut.size() - start)),
                      special);
    }
}

} // namespace exchange
