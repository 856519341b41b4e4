#include "exchange/htmltext.h"

#include <QRegularExpression>

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

// An unclosed script runs to the end of the field, so none of it shows.
const QRegularExpression kHidden(u"<(script|style)\\b.*?(</\\1\\s*>|$)"_s,
                                 QRegularExpression::CaseInsensitiveOption |
                                     QRegularExpression::DotMatchesEverythingOption);
const QRegularExpression kBreak(u"^/?(br|p|div|li|tr)\\b"_s,
                                QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kSound(u"\\[sound:[^\\]]*\\]"_s);

QString entity(QStringView name) {
    static const std::pair<QStringView, QStringView> kNamed[] = {{u"nbsp", u" "},  {u"amp", u"&"},
                                                                 {u"lt", u"<"},    {u"gt", u">"},
                                                                 {u"quot", u"\""}, {u"apos", u"'"}};
    for (const auto& [key, text] : kNamed) {
        if (name == key)
            return text.toString();
    }
    if (name.startsWith(u'#')) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const uint code = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (ok && code > 0 && code <= 0x10FFFF && !QChar::isSurrogate(code))
            return QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
    }
    return u'&' + name.toString() + u';';
}

} // namespace

QString htmlToText(QStringView html, QStringView lineBreak) {
    QString source = html.toString().remove(kHidden).remove(kSound);
    QString text;
    text.reserve(source.size());
    const QChar kBreakMark = u'\n';
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar character = source[i];
        if (character == u'<') {
            const qsizetype end = source.indexOf(u'>', i);
            if (end < 0)
                break; // a cut tag
            if (kBreak.match(QStringView(source).sliced(i + 1, end - i - 1)).hasMatch())
                text += kBreakMark;
            i = end;
        } else if (character == u'&') {
            const qsizetype end = source.indexOf(u';', i);
            if (end < 0 || end - i > 10) {
                text += character;
                continue;
            }
            text += entity(QStringView(source).sliced(i + 1, end - i - 1));
            i = end;
        } else {
            text += character.isSpace() ? QChar(u' ') : character;
        }
    }
    QStringList lines = text.split(kBreakMark);
    for (QString& line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    return lines.join(lineBreak);
}

QString textToHtml(QString text) {
    return text.toHtmlEscaped().replace(u"\r\n"_s, u"<br>"_s).replace(u'\n', u"<br>"_s);
}

} // namespace exchange
