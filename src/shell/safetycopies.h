#pragma once

#include "core/usererror.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace shell {

// The bulk work a safety copy is taken before.
enum class BulkWork {
    Import,
    Regeneration,
    CommaWalk,
    LessonChange,
    LessonZero,
    SettingsSet,
    Restore, // the state a restored copy replaced
};

// One safety copy of a dictionary: its folder, when it was taken and before what.
struct SafetyCopy {
    QString folder;
    QDateTime time;
    QString reason; // "před importem"

    // "12.3.2026 14:15:03 – před importem"
    QString text() const;
};

// A safety copy that could not be taken or put back; the message says so in Czech.
class SafetyCopyError : public core::UserError {
public:
    using UserError::UserError;
};

// The safety copies of one dictionary, taken before bulk work so that a change the user
// regrets can be undone: <user folder>/backup/auto/<dictionary>/<time>-<work>/ holds the
// dictionary's table, copied through SQLite's backup API, and its set.ini and code.ini. The
// last five are kept.
class SafetyCopies {
public:
    static constexpr int kKept = 5;

    explicit SafetyCopies(const QString& dictionaryFolder);

    // Copies the dictionary as it is now; raises SafetyCopyError, and then the work must not
    // start.
    void take(BulkWork work, const QDateTime& now);
    // The copies kept, the newest first.
    std::vector<SafetyCopy> list() const;
    // Puts the copy back after copying the state it replaces; raises SafetyCopyError. The
    // program's cursors on the dictionary must be closed.
    void restore(const SafetyCopy& copy, const QDateTime& now);

private:
    void copyBefore(BulkWork work, const QDateTime& now);
    void copyInto(BulkWork work, const QDateTime& now);
    void keepNewest();

    QString m_dictionaryFolder;
    QString m_copiesFolder;
};

} // namespace shell
