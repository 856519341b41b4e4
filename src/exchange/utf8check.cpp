#include "exchange/utf8check.h"

#include <QStringDecoder>

namespace exchange {
namespace {

bool isUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

std::optional<qsizetype> firstLineNotUtf8(QByteArrayView bytes) {
    if (isUtf8(bytes))
        return std::nullopt;
    qsizetype line = 1;
    for (qsizetype start = 0; start < bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        if (!isUtf8(bytes.sliced(start, end - start)))
            return line;
        start = end + 1;
    }
    return line;
}

} // namespace exchange
