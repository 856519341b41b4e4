#pragma once

#include <QCommandLineParser>
#include <QString>

#include <functional>
#include <vector>

namespace cli {

class Context;

// A command of lexiton-cli: its name, what it does, its own options and arguments, the work,
// which answers the exit status, and whether it changes the data of the user it names (it
// then holds the user, as the program does while the user is logged in).
struct Command {
    QString name;
    QString summary;
    std::function<void(QCommandLineParser&)> addOptions;
    std::function<int(Context&, const QCommandLineParser&)> run;
    bool changesUser = false;
};

const std::vector<Command>& commands();

} // namespace cli
