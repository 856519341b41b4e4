#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace bench {

struct BenchOptions {
    int entries = 100000;
    // Runs of each whole-table measurement; the quicker ones run several times as often.
    int repeat = 3;
    int takeMinutes = 10; // the length of the take the sound figures cut and draw
    bool json = false;
    QString folder; // empty: a temporary folder, removed afterwards
    // The figures to measure (names of the report's rows, or the start of them); empty: all.
    // Appending always runs, since every other figure works on what it made.
    QStringList only;

    bool wants(const QString& figure) const;
};

// Reads the command line; on a mistake returns nothing and sets the message to show.
std::optional<BenchOptions> parseOptions(const QStringList& arguments, QString& message);

} // namespace bench
