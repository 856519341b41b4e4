#pragma once

#include <QByteArrayView>

#include <optional>

namespace exchange {

// The number of the first line (from 1, lines ending at LF) holding bytes that are not
// well-formed UTF-8; none when the whole text is.
std::optional<qsizetype> firstLineNotUtf8(QByteArrayView bytes);

} // namespace exchange
