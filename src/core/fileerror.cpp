#include "core/fileerror.h"

namespace core {

using namespace Qt::StringLiterals;

FileError FileError::cannotRead(const QString& path, const QString& reason) {
    return FileError(u"Soubor nelze číst: %1 (%2)"_s.arg(path, reason));
}

FileError FileError::cannotWrite(const QString& path, const QString& reason) {
    return FileError(u"Soubor nelze zapsat: %1 (%2)"_s.arg(path, reason));
}

} // namespace core
