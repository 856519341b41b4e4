#include "benchoptions.h"

#include <QCommandLineParser>

namespace bench {
namespace {

std::optional<int> positive(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > 0 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

std::optional<BenchOptions> parseOptions(const QStringList& arguments, QString& message) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Measures the table store against SQLite used directly."));
    parser.addHelpOption();
    const QCommandLineOption entries(QStringLiteral("entries"),
                                     QStringLiteral("Dictionary entries (default 100000)."),
                                     QStringLiteral("N"), QStringLiteral("100000"));
    const QCommandLineOption repeat(QStringLiteral("repeat"),
                                    QStringLiteral("Runs of each whole-table measurement "
                                                   "(default 3); quicker ones run 5x as often."),
                                    QStringLiteral("R"), QStringLiteral("3"));
    const QCommandLineOption takeMinutes(
        QStringLiteral("take-minutes"),
        QStringLiteral("Length of the recorded take in minutes (default 10)."), QStringLiteral("M"),
        QStringLiteral("10"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print one JSON array instead of a table."));
    const QCommandLineOption folder(QStringLiteral("folder"),
                                    QStringLiteral("Folder in which the table files are made, "
                                                   "in a folder of their own removed at the end "
                                                   "(default: the temporary folder)."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption only(QStringLiteral("only"),
                                  QStringLiteral("Measure only these figures, by the names of the "
                                                 "rows or their start, comma-separated "
                                                 "(exam_preparation,export,import_tsv)."),
                                  QStringLiteral("NAMES"));
    parser.addOptions({entries, repeat, takeMinutes, json, folder, only});
    if (!parser.parse(arguments)) {
        message = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        message = parser.helpText();
        return std::nullopt;
    }
    BenchOptions options;
    const std::optional<int> entryCount = positive(parser.value(entries));
    const std::optional<int> repeatCount = positive(parser.value(repeat));
    const std::optional<int> minutes = positive(parser.value(takeMinutes));
    if (!entryCount || *entryCount < 100 || !repeatCount || !minutes) {
        message = QStringLiteral("--entries needs a number of at least 100, --repeat and "
                                 "--take-minutes a positive number.");
        return std::nullopt;
    }
    options.entries = *entryCount;
    options.repeat = *repeatCount;
    options.takeMinutes = *minutes;
    options.json = parser.isSet(json);
    options.folder = parser.value(folder);
    options.only = parser.value(only).split(u',', Qt::SkipEmptyParts);
    return options;
}

bool BenchOptions::wants(const QString& figure) const {
    if (only.isEmpty())
        return true;
    for (const QString& name : only) {
        if (figure.startsWith(name))
            return true;
    }
    return false;
}

} // namespace bench
