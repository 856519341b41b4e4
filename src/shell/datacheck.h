#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace shell {

// One table file of the data check and what is wrong with it (nothing: it is in order).
struct CheckedFile {
    QString path; // relative to the application folder
    QStringList findings;
};

struct DataCheckReport {
    std::vector<CheckedFile> files;

    bool ok() const;
    // The report to read: a line per file, "v pořádku" or what is wrong, and a summary.
    QStringList lines() const;
};

// The data check: every table file of the application folder (the shared tables and the
// templates) and of each user named (the exam history and every dictionary) gets the table
// check, and a user's last exam that was broken off (never evaluated, its questions left in
// the working tables) is reported on the user's history. Nothing is changed.
DataCheckReport checkData(const QString& applicationFolder, const QStringList& users);

} // namespace shell
