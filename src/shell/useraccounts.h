#pragma once

#include <QString>

namespace core {
class Messages;
}
namespace store {
class Cursor;
}

// Creating and deleting users: their record in the users table and their folder in the
// application folder, named as the user, holding the exam history (exam.db), the settings
// templates (exam.ini, bg.bmp, code.ini, setting.ini) and the folders results and practice.
namespace shell {

struct RunState;

// Adds the user named as typed, with an empty password, and makes the user's folder from
// the templates. A folder left by a deleted user of that name can be taken over (the user
// is asked) without harm to what it holds. Shows a message for each thing that fails;
// when anything failed the record is removed again. Returns whether the user exists now.
bool createUser(core::Messages& messages, store::Cursor& users, const app::RunState& state,
                const QString& name);

// Deletes the user of the current record after the user of the program confirms it (the
// question names the user), and the files the program keeps for that user with the results
// folder and an empty practice folder; dictionaries and other things the user made stay on
// the disk, and the message says so. Returns whether the record was deleted.
bool deleteUser(core::Messages& messages, store::Cursor& users, const app::RunState& state);

} // namespace shell
