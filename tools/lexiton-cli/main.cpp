// lexiton-cli <command> [options] [--] [arguments]
// The program's import, export, word and sound-cutting commands without windows, on an
// application folder.
#include "clicontext.h"
#include "commands.h"

#include "core/usererror.h"
#include "store/error.h"

#include <QApplication>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

using namespace Qt::StringLiterals;

QString usage() {
    QString text = u"Použití: lexiton-cli <příkaz> [volby] [--] [argumenty]\n"
                   "Volby všech příkazů: --app DIR, --user NAME, --dictionary NAME, --help\n"
                   "Příkazy:"_s;
    qsizetype width = 0;
    for (const cli::Command& command : cli::commands())
        width = std::max(width, command.name.size());
    for (const cli::Command& command : cli::commands())
        text += u"\n  "_s + command.name.leftJustified(width + 2) + command.summary;
    return text;
}

int runCommand(const cli::Command& command, const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(command.summary);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(u"help"_s, u"Nápověda k příkazu."_s);
    parser.addOption(help);
    cli::Context::addOptions(parser);
    if (command.addOptions)
        command.addOptions(parser);
    parser.addPositionalArgument(u"argumenty"_s, u"Po \"--\" smí argument začínat \"-\"."_s,
                                 u"[--] [argumenty...]"_s);
    if (!parser.parse(arguments)) {
        cli::printError(parser.errorText());
        return 2;
    }
    if (parser.isSet(help)) {
        cli::printOut(u"lexiton-cli "_s + command.name + u'\n' + parser.helpText());
        return 0;
    }
    try {
        cli::Context context(parser);
        context.claimUser(command.changesUser);
        const int status = command.run(context, parser);
        return context.messages.errorShown() ? std::max(status, 1) : status;
    } catch (const store::Error& error) {
        cli::printError(u"Hlášení zní: "_s + error.message());
    } catch (const core::UserError& error) {
        cli::printError(error.message());
    }
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // The charts of "stats" are drawn by widgets, which need a screen; none is needed for a file.
    const bool drawsCharts = argc > 1 && std::strcmp(argv[1], "stats") == 0;
    if (drawsCharts && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        drawsCharts ? std::make_unique<QApplication>(argc, argv)
                    : std::make_unique<QCoreApplication>(argc, argv);
    QStringList arguments = app->arguments();
    if (arguments.size() < 2 || arguments[1] == u"--help" || arguments[1] == u"help") {
        cli::printOut(usage());
        return arguments.size() < 2 ? 2 : 0;
    }
    const QString name = arguments.takeAt(1);
    for (const cli::Command& command : cli::commands()) {
        if (command.name == name)
            return runCommand(command, arguments);
    }
    cli::printError(u"Neznámý příkaz: "_s + name + u'\n' + usage());
    return 2;
}
