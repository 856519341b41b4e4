#include "store/cursor.h"
#include "store/tablefile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// Runs the built lexiton-cli on a temporary application folder with the user "demo" and
// his dictionary "Angl".
class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        QDir app(m_dir.path());
        app.mkpath(u"_other_"_s);
        app.mkpath(u"demo/Angl"_s);
        store::createTableFile(app.filePath(u"_other_/user.db"_s), u"user"_s);
        store::Cursor users;
        users.setDatabaseName(app.filePath(u"_other_"_s));
        users.setTableName(u"user.db"_s);
        users.open();
        users.appendRecord({u"demo"_s});
        store::createTableFile(app.filePath(u"demo/Angl/dictonary.db"_s), u"dictonary"_s);
        write(u"demo/code.ini"_s, "casesensitive=yes\r\n");
        write(u"demo/Angl/set.ini"_s, "language=Anglicky\r\n");
    }

    void write(const QString& relative, const QByteArray& bytes) {
        QFile file(QDir(m_dir.path()).filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Exit status; what the command printed is left in out and err.
    int run(QStringList arguments) {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(LEXITON_CLI), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        out = QString::fromUtf8(process.readAllStandardOutput());
        err = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

    static QStringList inDictionary(QStringList arguments) {
        return QStringList{arguments.takeFirst(), u"--user"_s, u"demo"_s, u"--dictionary"_s,
                           u"Angl"_s} +
               arguments;
    }

    QString out;
    QString err;
    QTemporaryDir m_dir;
};

TEST_F(Cli, ImportsListsAndExports) {
    write(u"words.tsv"_s, "pes\tdog\t1\r\nkočka\tCat\t2\r\n");
    EXPECT_EQ(run(inDictionary({u"import-tsv"_s, u"words.tsv"_s})), 0) << err.toStdString();
    EXPECT_TRUE(out.endsWith(u"Úspěšně přidáno 2 slovíček. Nemohlo být přidáno 0 slovíček\n"_s));
    EXPECT_EQ(run({u"list"_s}), 0);
    EXPECT_EQ(out, u"demo\tAngl\t2 slovíčka\n"_s);
    EXPECT_EQ(run(inDictionary({u"export-txt"_s})), 0);
    QFile exported(QDir(m_dir.path()).filePath(u"demo/results/export.txt"_s));
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    // The dictionary's code.ini keeps case.
    EXPECT_EQ(
        exported.readAll(),
        QByteArray("ko\xE8ka\tCat\t2\t\t0\t0\tko\xE8ka\tCat\r\npes\tdog\t1\t\t0\t0\tpes\tdog\r\n"));
}

TEST_F(Cli, AnArgumentStartingWithADashAfterTheEndOfOptions) {
    EXPECT_EQ(run({u"normalize"_s, u"--"_s, u"-(to) Go!"_s, u"Dům"_s}), 0);
    EXPECT_EQ(out, u"go\ndům\n"_s);
    EXPECT_EQ(run({u"soundname"_s, u"--"_s, u"-a b"_s}), 0);
    EXPECT_EQ(out, u"#2Da#20b\n"_s);
    EXPECT_NE(run({u"normalize"_s, u"-x"_s}), 0);
}

TEST_F(Cli, FailuresGiveAMessageAndANonZeroStatus) {
    write(u"binary.txt"_s, QByteArray("\0\0\0", 3));
    EXPECT_EQ(run(inDictionary({u"import-txt"_s, u"binary.txt"_s})), 1);
    EXPECT_TRUE(err.startsWith(u"Chyba importu."_s)) << err.toStdString();
    EXPECT_EQ(run({u"import-tsv"_s, u"--user"_s, u"demo"_s, u"words.tsv"_s}), 1);
    EXPECT_EQ(err, u"Chybí název slovníku (--dictionary).\n"_s);
    EXPECT_EQ(run({u"unknown"_s}), 2);
    EXPECT_EQ(run({u"export-html"_s, u"--help"_s}), 0);
    EXPECT_TRUE(out.contains(u"--lesson"_s));
}

} // namespace
