#pragma once

#include <QCommandLineParser>
#include <QString>

#include <functional>
#include <vector>

namespace cli {

class Context;

// A command of lexiton-cli: its name, what it does, its own options and arguments, and the
// work, which answers the exit status.
struct Command {
    QString name;
    QString summary;
    std::function<void(QCommandLineParser&)> addOptions;
    std::function<int(Context&, const QCommandLineParser&)> run;
};

const std::vector<Command>& commands();

} // namespace cli
