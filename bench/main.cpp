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
        QTemporaryDir temporary;
        const QString folder = options->folder.isEmpty() ? temporary.path() : options->folder;
        if (!QDir().mkpath(folder)) {
            err << "The folder " << folder << " cannot be made." << Qt::endl;
            return 1;
        }
        const bench::Report report = bench::runBenchmark(*options, folder);
        const QByteArray output = options->json ? report.json() : report.table().toUtf8();
        std::fwrite(output.constData(), 1, static_cast<size_t>(output.size()), stdout);
        return 0;
    } catch (const std::exception& error) {
        err << "lexiton_bench: " << QString::fromUtf8(error.what()) << Qt::endl;
        return 1;
    }
}
