#pragma once

#include "core/usererror.h"

namespace core {

// A file the program could not read or write.
class FileError : public UserError {
public:
    using UserError::UserError;

    // "Soubor nelze číst: <path> (<reason>)", the reason as the system words it.
    static FileError cannotRead(const QString& path, const QString& reason);
    // "Soubor nelze zapsat: <path> (<reason>)", the reason as the system words it.
    static FileError cannotWrite(const QString& path, const QString& reason);
};

} // namespace core
