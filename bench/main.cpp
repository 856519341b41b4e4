// lexiton_bench: the table store's figures beside those of SQLite used directly.
#include "benchoptions.h"
#include "scenario.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    // The windows measured are never seen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream err(stderr);
    QString message;
    const std::optional<bench::BenchOptions> options =
        bench::parseOptions(QCoreApplication::arguments(), message);
    if (!options) {
        err << message << Qt::endl;
        return message.startsWith(u"Usage") ? 0 : 2;
    }
    try {
        // The table files go into a folder of their own, removed at the end, inside the folder
        // given (a disk with room for them) or the system's temporary folder; so a run never
        // meets the files of an earlier one.
        const QString parent = options->folder.isEmpty() ? QDir::tempPath() : options->folder;
        QDir().mkpath(parent);
        const QTemporaryDir folder(QDir(parent).filePath(QStringLiteral("lexiton_bench-XXXXXX")));
        if (!folder.isValid()) {
            err << "No folder for the table files can be made in " << parent << Qt::endl;
            return 1;
        }
        const bench::Report report = bench::runBenchmark(*options, folder.path());
        const QByteArray output = options->json ? report.json() : report.table().toUtf8();
        std::fwrite(output.constData(), 1, static_cast<size_t>(output.size()), stdout);
        return 0;
    } catch (const std::exception& error) {
        err << "lexiton_bench: " << QString::fromUtf8(error.what()) << Qt::endl;
        return 1;
    }
}
