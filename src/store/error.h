#pragma once

#include "core/usererror.h"

struct sqlite3;

namespace store {

// A failed table operation. The message is Czech, ready to follow "Hlášení zní: " in a user
// message; where the engine failed, its own text follows once in brackets.
class Error : public core::UserError {
public:
    // What the failure leaves: a refused record leaves the table as it was, so a walk may go
    // on with the next record; a failed engine (a full disk, a failing disk, a file another
    // program writes) may have undone the walk's last changes; a damaged file needs the data
    // check.
    enum class Kind { Refused, Failed, Damaged };

    explicit Error(const QString& message, Kind kind = Kind::Refused)
        : UserError(message)
        , m_kind(kind) {}

    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// The error for an engine result code of the connection on the table file at path.
Error engineError(sqlite3* db, int code, const QString& path);

// "Tabulka <path> je poškozená (<detail>)." with the way to the data check.
QString damagedTableMessage(const QString& path, const QString& detail);

// The file a connection works on, for an error message.
QString connectionPath(sqlite3* db);

} // namespace store
