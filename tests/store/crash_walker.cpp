// A process that works on a dictionary table and is killed in the middle, so that the
// tests can look at what the file holds afterwards.
//   crash_walker post <folder>          appends one record, then dies
//   crash_walker walk <folder> <count>  posts Pom := 1 on every record in one batched
//                                       walk and dies after <count> posts
#include "store/cursor.h"
#include "store/postbatch.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>

namespace {

[[noreturn]] void die() {
    std::fflush(stdout);
    std::raise(SIGKILL);
    std::abort();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    store::Cursor dictionary;
    dictionary.setDatabaseName(args[2]);
    dictionary.setTableName(QStringLiteral("dictonary.db"));
    dictionary.open();

    if (args[1] == u"post") {
        dictionary.appendRecord({QStringLiteral("poslední"), QStringLiteral("last"), 1});
        die();
    }
    if (args[1] == u"walk" && args.size() == 4) {
        const int killAfter = args[3].toInt();
        store::PostBatch batch(dictionary);
        int posted = 0;
        for (dictionary.first(); !dictionary.eof(); dictionary.next()) {
            dictionary.edit();
            dictionary.field(QStringLiteral("Pom")).setAsInteger(1);
            dictionary.post();
            if (++posted == killAfter)
                die();
        }
        batch.finish();
        return 0;
    }
    return 2;
}
