// lexiton-mktable <kind> <file> [<records.tsv>]
// Creates a table file of the given kind ("dictonary", "user", "exam", ...) and, when a
// UTF-8 file of tab-separated records is given, appends its lines in field order.
#include "store/cursor.h"
#include "store/error.h"
#include "store/postbatch.h"
#include "store/tablefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

void appendRecords(const QString& tablePath, const QString& recordsPath) {
    QFile records(recordsPath);
    if (!records.open(QIODevice::ReadOnly | QIODevice::Text))
        throw store::Error(QStringLiteral("Soubor %1 nelze číst.").arg(recordsPath));
    store::Cursor table;
    table.setDatabaseName(QFileInfo(tablePath).path());
    table.setTableName(QFileInfo(tablePath).fileName());
    table.open();
    store::PostBatch batch(table);
    QTextStream in(&records);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty())
            continue;
        QVariantList values;
        for (const QString& value : line.split(u'\t'))
            values << value;
        table.appendRecord(values);
    }
    batch.finish();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4) {
        std::fputs("usage: lexiton-mktable <kind> <file> [<records.tsv>]\n", stderr);
        return 2;
    }
    try {
        store::createTableFile(args[2], args[1]);
        if (args.size() == 4)
            appendRecords(args[2], args[3]);
    } catch (const store::Error& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
