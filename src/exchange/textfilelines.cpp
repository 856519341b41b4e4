#include "exchange/textfilelines.h"

#include "core/cp1250linereader.h"
#include "core/fileerror.h"

#include <QFile>
#include <QStringDecoder>

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

bool hasHighBytes(QByteArrayView bytes) {
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) > 127)
            return true;
    }
    return false;
}

bool hasC1Controls(const QString& text) {
    for (const QChar character : text) {
        if (character.unicode() >= 0x80 && character.unicode() <= 0x9F)
            return true;
    }
    return false;
}

// The text when the bytes are plausible UTF-8, as the header describes.
std::optional<QString> decodeUtf8(QByteArrayView bytes, bool marked) {
    if (!marked && !hasHighBytes(bytes))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (marked)
        return text;
    if (decoder.hasError() || hasC1Controls(text))
        return std::nullopt;
    return text;
}

// Splits decoded text by the rules of the program's line reader: a line ends at LF or CR LF,
// and an ending at the very end does not start an empty line.
QStringList splitLines(const QString& text) {
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

QStringList textLines(const QByteArray& bytes, bool* unicode) {
    if (bytes.contains('\0'))
        throw core::FileError(u"Soubor není textový (obsahuje nulové bajty)."_s);
    const bool marked = bytes.startsWith(kUtf8Mark);
    const QByteArrayView content =
        marked ? QByteArrayView(bytes).sliced(sizeof kUtf8Mark - 1) : QByteArrayView(bytes);
    const std::optional<QString> text = decodeUtf8(content, marked);
    if (unicode)
        *unicode = text.has_value();
    return text ? splitLines(*text) : core::splitCp1250Lines(bytes);
}

QStringList readImportLines(const QString& path, bool* unicode) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw core::FileError(u"Soubor %1 nelze otevřít (%2)."_s.arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw core::FileError(u"Soubor %1 nelze číst (%2)."_s.arg(path, file.errorString()));
    return textLines(bytes, unicode);
}

} // namespace exchange
