#include "filesizelimit.h"
#include "programrun.h"
#include "rawsqlite.h"
#include "scratchfolder.h"

#include "shell/userlock.h"
#include "sound/waveencoding.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QSysInfo>

#include <random>

namespace {

// Runs the built lexiton-cli on a temporary application folder with the user "demo" and
// his dictionary "Angl".
class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        app.createTable(u"_other_/user.db"_s, u"user"_s);
        app.openTable(u"_other_/user.db"_s)->appendRecord({u"demo"_s});
        app.createTable(u"demo/Angl/dictonary.db"_s, u"dictonary"_s);
        app.write(u"demo/code.ini"_s, "casesensitive=yes\r\n");
        app.write(u"demo/Angl/set.ini"_s, "language=Anglicky\r\n");
    }

    // Exit status; what the command printed is left in out and err.
    int run(const QStringList& arguments, const std::function<void()>& childSetUp = {}) {
        const ProgramRun result =
            runProgram(QStringLiteral(LEXITON_CLI), arguments, app.path(), childSetUp);
        out = result.out;
        err = result.err;
        return result.exitCode;
    }

    static QStringList inDictionary(QStringList arguments) {
        return QStringList{arguments.takeFirst(), u"--user"_s, u"demo"_s, u"--dictionary"_s,
                           u"Angl"_s} +
               arguments;
    }

    ScratchFolder app;
    QString out;
    QString err;
};

TEST_F(Cli, ImportsListsAndExports) {
    app.write(u"words.tsv"_s, "pes\tdog\t1\r\nkočka\tCat\t2\r\n");
    EXPECT_EQ(run(inDictionary({u"import-tsv"_s, u"words.tsv"_s})), 0) << err.toStdString();
    EXPECT_TRUE(out.endsWith(u"Úspěšně přidáno 2 slovíček. Nemohlo být přidáno 0 slovíček\n"_s));
    EXPECT_EQ(run({u"list"_s}), 0);
    EXPECT_EQ(out, u"demo\tAngl\t2 slovíčka\n"_s);
    EXPECT_EQ(run(inDictionary({u"export-txt"_s})), 0);
    // The dictionary's code.ini keeps case.
    EXPECT_EQ(
        app.read(u"demo/results/export.txt"_s),
        QByteArray("ko\xE8ka\tCat\t2\t\t0\t0\tko\xE8ka\tCat\r\npes\tdog\t1\t\t0\t0\tpes\tdog\r\n"));
}

// Anki's notes in, kvtml and the progress charts out; the PNG is drawn without a screen.
TEST_F(Cli, ExchangesWithOtherTrainersAndDrawsTheProgress) {
    QFile notes(QStringLiteral(LEXITON_TEST_DATA_DIR "/anki-notes.txt"));
    ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
    app.write(u"notes.txt"_s, notes.readAll());
    EXPECT_EQ(run(inDictionary({u"import-anki"_s, u"notes.txt"_s})), 0) << err.toStdString();
    EXPECT_TRUE(out.endsWith(u"Úspěšně přidáno 3 slovíček. Nemohlo být přidáno 0 slovíček\n"_s));
    EXPECT_EQ(run(inDictionary({u"export-kvtml"_s, u"--lesson"_s, u"3"_s, u"out.kvtml"_s})), 0);
    EXPECT_TRUE(app.read(u"out.kvtml"_s).contains("<text>žluťoučký kůň</text>"));
    EXPECT_FALSE(app.read(u"out.kvtml"_s).contains("<text>pes</text>"));
    app.createTable(u"demo/exam.db"_s, u"exam"_s);
    EXPECT_EQ(run(inDictionary({u"stats"_s, u"--png"_s, u"progress.png"_s})), 0);
    EXPECT_EQ(out, u"V historii zatím není žádné dokončené zkoušení.\n"_s);
    EXPECT_TRUE(app.read(u"progress.png"_s).startsWith("\x89PNG"));
}

// A Russian dictionary keeps its foreign words in Windows-1251 (its foreign font's character
// set 204) while the Czech ones stay Windows-1250; what the code page lacks is a question mark
// in text and a character reference in HTML. Its words get spoken sounds named by their
// Windows-1251 bytes.
TEST_F(Cli, ARussianDictionaryKeepsItsCodePageAndIsSpoken) {
    app.write(u"demo/Angl/set.ini"_s, "language=Ru\x9Atina\r\nsoundincrementpath=Sounds\r\n"
                                      "fontotherchar=204\r\n");
    app.write(u"demo/Angl/code.ini"_s, "casesensitive=no\r\n");
    app.write(u"_other_/templateEX.html"_s, "<HTML>\r\n{[..here..]}\r\n{[..end..]}\r\n");
    app.write(u"words.tsv"_s, "pes\t\xD1\xEE\xE1\xE0\xEA\xE0\t1\r\nje\x9E"
                              "ek\t\xB8\xE6\t2\r\n");
    app.write(u"utf8.tsv"_s, "čaj\t茶\t3\r\n");
    for (const QString& file : {u"words.tsv"_s, u"utf8.tsv"_s})
        EXPECT_EQ(run(inDictionary({u"import-tsv"_s, file})), 0) << err.toStdString();
    EXPECT_EQ(run(inDictionary({u"export-txt"_s})), 0);
    EXPECT_EQ(
        app.read(u"demo/results/export.txt"_s),
        QByteArray("\xE8"
                   "aj\t?\t3\t\t0\t0\t\xE8"
                   "aj\t?\r\n"
                   "je\x9E"
                   "ek\t\xB8\xE6\t2\t\t0\t0\tje\x9E"
                   "ek\t\xB8\xE6\r\n"
                   "pes\t\xD1\xEE\xE1\xE0\xEA\xE0\t1\t\t0\t0\tpes\t\xF1\xEE\xE1\xE0\xEA\xE0\r\n"));
    EXPECT_TRUE(err.contains(u"Windows-1251, v souboru je nahradil otazník: 茶\nŘádky: 1."_s))
        << err.toStdString();
    EXPECT_EQ(run(inDictionary({u"export-html"_s})), 0);
    EXPECT_TRUE(app.read(u"demo/results/export.html"_s)
                    .contains("<TR><TD>\r\n\xE8"
                              "aj</TD>\r\n<TD>&#33590;</TD>\r\n<TD>3</TD></TR>\r\n<TR><TD>\r\n"
                              "je\x9E"
                              "ek</TD>\r\n<TD>&#1105;&#1078;</TD>\r\n<TD>2</TD></TR>\r\n"));
    EXPECT_EQ(run(inDictionary({u"speak"_s})), 0) << err.toStdString();
    EXPECT_EQ(out, u"Namluveno 3 slovíček, 0 už zvuk mělo.\n"_s);
    for (const QString& name : {u"#B8#E6"_s, u"#F1#EE#E1#E0#EA#E0"_s, u"#3F"_s})
        EXPECT_TRUE(QFile::exists(app.path(u"Sounds/"_s + name + u".wav"_s))) << name.toStdString();
}

TEST_F(Cli, AnArgumentStartingWithADashAfterTheEndOfOptions) {
    EXPECT_EQ(run({u"normalize"_s, u"--"_s, u"-(to) Go!"_s, u"Dům"_s}), 0);
    EXPECT_EQ(out, u"go\ndům\n"_s);
    EXPECT_EQ(run({u"soundname"_s, u"--"_s, u"-a b"_s}), 0);
    EXPECT_EQ(out, u"#2Da#20b\n"_s);
    EXPECT_NE(run({u"normalize"_s, u"-x"_s}), 0);
}

TEST_F(Cli, FailuresGiveAMessageAndANonZeroStatus) {
    app.write(u"binary.txt"_s, QByteArray("\0\0\0", 3));
    EXPECT_EQ(run(inDictionary({u"import-txt"_s, u"binary.txt"_s})), 1);
    EXPECT_TRUE(err.startsWith(u"Chyba importu."_s)) << err.toStdString();
    EXPECT_EQ(run({u"import-tsv"_s, u"--user"_s, u"demo"_s, u"words.tsv"_s}), 1);
    EXPECT_EQ(err, u"Chybí název slovníku (--dictionary).\n"_s);
    EXPECT_EQ(run({u"unknown"_s}), 2);
    EXPECT_EQ(run({u"export-html"_s, u"--help"_s}), 0);
    EXPECT_TRUE(out.contains(u"--lesson"_s));
}

// The disk fills during an import and an export: neither claims success, the import keeps
// nothing, the export leaves no file, and each says so in one Czech message.
TEST_F(Cli, AFullDiskIsReportedOnceAndKeepsNothingHalfDone) {
    QByteArray lines;
    for (int i = 0; i < 3000; ++i)
        lines += "slovo" + QByteArray::number(i) + "\tword\t1\r\n";
    app.write(u"words.tsv"_s, lines);
    const auto fullDisk = [] {
        FileSizeLimit::applyToThisProcess(64 * 1024);
    };
    EXPECT_EQ(run(inDictionary({u"import-tsv"_s, u"words.tsv"_s}), fullDisk), 1);
    EXPECT_TRUE(err.startsWith(u"Chyba importu. Slovník zůstal beze změny. Hlášení zní: "_s))
        << err.toStdString();
    EXPECT_EQ(err.count(u'\n'), 1);
    EXPECT_FALSE(out.contains(u"Úspěšně"_s));
    EXPECT_EQ(run({u"list"_s}), 0);
    EXPECT_EQ(out, u"demo\tAngl\t0 slovíček\n"_s);

    // A small export fits the write buffer and meets the full disk only at its end. The
    // open table keeps the engine's shared memory file, which the full disk could not hold.
    app.write(u"words.tsv"_s, lines.first(3000));
    EXPECT_EQ(run(inDictionary({u"import-tsv"_s, u"words.tsv"_s})), 0);
    const auto open = app.openTable(u"demo/Angl/dictonary.db"_s);
    const auto tinyDisk = [] {
        FileSizeLimit::applyToThisProcess(1024);
    };
    EXPECT_EQ(run(inDictionary({u"export-txt"_s}), tinyDisk), 1);
    EXPECT_TRUE(err.startsWith(u"Není možné zapsat export.txt"_s)) << err.toStdString();
    EXPECT_FALSE(out.contains(u"export.txt"_s));
    EXPECT_FALSE(QFileInfo::exists(app.path(u"demo/results/export.txt"_s)));
}

// Each command that meets the damaged dictionary names it and the data check; the check
// reports it and fails.
TEST_F(Cli, ADamagedDictionaryIsNamedWithTheWayToTheDataCheck) {
    app.openTable(u"demo/Angl/dictonary.db"_s)->appendRecord({u"pes"_s, u"dog"_s});
    damageRecords(app.path(u"demo/Angl/dictonary.db"_s));
    EXPECT_EQ(run({u"check"_s}), 1);
    EXPECT_TRUE(out.contains(u"\ndemo/Angl/dictonary.db: soubor je poškozený"_s))
        << out.toStdString();
    for (const QStringList& command : {QStringList{u"list"_s}, inDictionary({u"export-txt"_s}),
                                       inDictionary({u"regenerate"_s})}) {
        EXPECT_EQ(run(command), 1) << command.first().toStdString();
        EXPECT_TRUE(err.contains(QDir::toNativeSeparators(app.path(u"demo/Angl/dictonary.db"_s)) +
                                 u" je poškozená"_s))
            << err.toStdString();
        EXPECT_TRUE(err.contains(u"lexiton-cli check"_s));
    }
}

// While another program holds the user (here this test), a command that would change the
// user's data is refused at once naming that program, and one that reads says what it sees.
TEST_F(Cli, AUserHeldByAnotherProgramRefusesWritersAndTellsReaders) {
    app.write(u"words.tsv"_s, "pes\tdog\t1\r\n");
    auto lock = std::make_unique<shell::UserLock>(app.path(u"demo"_s));
    lock->acquire(u"demo"_s);
    const QString holder = u"(%1 na počítači „%2“, proces %3)"_s.arg(
        QCoreApplication::applicationName(), QSysInfo::machineHostName(),
        QString::number(QCoreApplication::applicationPid()));
    for (const QString& command : {u"import-tsv"_s, u"regenerate"_s, u"restore"_s}) {
        EXPECT_EQ(run(inDictionary({command, u"words.tsv"_s})), 1);
        EXPECT_EQ(err,
                  u"Uživatele „demo“ právě používá jiný program "_s + holder +
                      u". Dokud tento program neskončí, není možné s uživatelem pracovat.\n"_s);
    }
    EXPECT_EQ(run({u"list"_s, u"--user"_s, u"demo"_s}), 0);
    EXPECT_EQ(out, u"demo\tAngl\t0 slovíček\n"_s);
    EXPECT_TRUE(err.startsWith(u"Uživatele „demo“ právě používá jiný program "_s + holder +
                               u"; zde je stav jeho dat uložený před"_s));
    lock.reset();
    EXPECT_EQ(run(inDictionary({u"import-tsv"_s, u"words.tsv"_s})), 0);
}

// An import takes a safety copy first; restore lists the copies and puts one back, after a copy
// of the state it replaces.
TEST_F(Cli, RestorePutsBackTheStateBeforeAnImport) {
    app.write(u"words.tsv"_s, "pes\tdog\t1\r\nkočka\tcat\t1\r\n");
    ASSERT_EQ(run(inDictionary({u"import-tsv"_s, u"words.tsv"_s})), 0);
    EXPECT_EQ(run(inDictionary({u"restore"_s})), 0);
    EXPECT_TRUE(out.startsWith(u"1\t"_s) && out.endsWith(u" – před importem\n"_s))
        << out.toStdString();
    EXPECT_EQ(run(inDictionary({u"restore"_s, u"1"_s})), 0) << err.toStdString();
    EXPECT_EQ(run({u"list"_s}), 0);
    EXPECT_EQ(out, u"demo\tAngl\t0 slovíček\n"_s);
    EXPECT_EQ(run(inDictionary({u"restore"_s})), 0);
    EXPECT_EQ(out.count(u'\n'), 2);
    EXPECT_TRUE(out.startsWith(u"1\t"_s) &&
                out.contains(u" – před obnovením z bezpečnostní kopie\n2\t"_s));
    EXPECT_EQ(run(inDictionary({u"restore"_s, u"3"_s})), 1);
}

// lexiton-cli killed at random moments of an import and a regeneration (LEXITON_KILLS times
// each, of LEXITON_KILL_ENTRIES entries; scripts/fault-sweep.sh runs the long variant). After
// each kill the data check finds every file in order, every safety copy is whole, the
// import is there whole or not at all, each entry's test words follow one rule or the other,
// and the next command takes over the user the killed one held.
TEST_F(Cli, KilledInTheMiddleLeavesWholeFiles) {
    const auto setting = [](const char* name, int fallback) {
        const int value = qEnvironmentVariableIntValue(name);
        return value > 0 ? value : fallback;
    };
    const int entries = setting("LEXITON_KILL_ENTRIES", 2000);
    const int kills = setting("LEXITON_KILLS", 3);
    for (const char* kind : {"runtime", "deprun", "runzn"})
        app.createTable(u"_other_/%1.db"_s.arg(QLatin1String(kind)), QString::fromLatin1(kind));
    app.createTable(u"_EmptyTable_/dictonary.db"_s, u"dictonary"_s);
    app.createTable(u"_EmptyTable_/exam.db"_s, u"exam"_s);
    app.createTable(u"demo/exam.db"_s, u"exam"_s);
    QByteArray lines;
    for (int i = 0; i < entries; ++i)
        lines +=
            "Slovo " + QByteArray::number(i) + "\t(a) Word " + QByteArray::number(i) + "\t1\r\n";
    app.write(u"words.tsv"_s, lines);
    const QStringList import = inDictionary({u"import-tsv"_s, u"words.tsv"_s});
    const QStringList regenerate = inDictionary({u"regenerate"_s});
    const auto timed = [&](const QStringList& command) {
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(run(command), 0) << err.toStdString();
        return timer.elapsed();
    };
    // Test words kept as typed, or in small letters; each record whole by one rule or the other.
    const auto setCase = [&](bool kept) {
        app.write(u"demo/Angl/code.ini"_s, kept ? "casesensitive=yes\r\n" : "casesensitive=no\r\n");
    };
    const auto count = [&](const char* where) {
        const QByteArray sql = QByteArray("SELECT count(*) FROM records WHERE ") + where;
        return rawQuery(app.path(u"demo/Angl/dictonary.db"_s), sql.constData()).toInt();
    };
    const auto expectWhole = [&](const QString& after) {
        EXPECT_EQ(run({u"check"_s, u"--user"_s, u"demo"_s}), 0) << after.toStdString() << '\n'
                                                                << out.toStdString();
        EXPECT_EQ(err, QString()) << "the killed command's hold ended with it";
        QDirIterator copies(app.path(u"demo/backup"_s), {u"dictonary.db*"_s}, QDir::Files,
                            QDirIterator::Subdirectories);
        // A copy still being made when the command was killed is not a copy yet.
        while (copies.hasNext()) {
            const QString copy = copies.next();
            if (!copy.contains(u".part"_s)) {
                EXPECT_EQ(rawQuery(copy, "PRAGMA integrity_check"), u"ok"_s) << after.toStdString();
            }
        }
        const QDir copyFolder(app.path(u"demo/backup/auto/Angl"_s));
        for (const QString& copy : copyFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const qsizetype files = QDir(copyFolder.filePath(copy)).entryList(QDir::Files).size();
            EXPECT_TRUE(copy.endsWith(u".part") || files == 3)
                << after.toStdString() << ": " << copy.toStdString() << " is not whole";
        }
        const int all = count("1");
        EXPECT_TRUE(all == 0 || all == entries) << after.toStdString() << ": " << all;
        EXPECT_EQ(count("(Czechzk = Czech AND Otherzk = substr(Other, 5)) OR "
                        "(Czechzk = lower(Czech) AND Otherzk = lower(substr(Other, 5)))"),
                  all)
            << after.toStdString();
    };
    std::mt19937 random(20260312);
    int killed = 0; // before the command's end
    const auto killAt = [&](const QStringList& command, qint64 within, const QString& what) {
        const auto moment = std::uniform_int_distribution<qint64>(0, within)(random);
        QProcess process;
        process.setWorkingDirectory(app.path());
        process.start(QStringLiteral(LEXITON_CLI), command);
        if (!process.waitForFinished(int(moment))) {
            process.kill();
            ++killed;
        }
        process.waitForFinished(60000);
        expectWhole(u"%1 killed after %2 ms"_s.arg(what).arg(moment));
    };

    setCase(true);
    const qint64 importing = timed(import);
    setCase(false);
    const qint64 regenerating = timed(regenerate);
    for (int i = 0; i < kills; ++i) {
        setCase(i % 2 == 1);
        killAt(regenerate, regenerating, u"regeneration"_s);
    }
    for (int i = 0; i < kills; ++i) {
        if (count("1") > 0) {
            for (const QString& file :
                 QDir(app.path(u"demo/Angl"_s)).entryList({u"dictonary.db*"_s}))
                QFile::remove(app.path(u"demo/Angl/"_s + file));
            app.createTable(u"demo/Angl/dictonary.db"_s, u"dictonary"_s);
        }
        killAt(import, importing, u"import"_s);
    }
    std::printf("%d kills in %d runs of %d entries\n", killed, 2 * kills, entries);
    // The work goes through once it is let be.
    setCase(false);
    EXPECT_EQ(run(regenerate), 0);
    EXPECT_EQ(count("Czechzk = lower(Czech)"), count("1"));
}

TEST_F(Cli, CutsAPieceAndAnArticleOutOfATake) {
    sound::PcmSound take{sound::pcmFormat(1, 8000, 8), {}};
    for (int frame = 0; frame < 8000; ++frame)
        take.samples.append(char(frame % 251));
    sound::saveWave(app.path(u"take.wav"_s), take);
    const QByteArray piece = sound::encodeWave({take.format, take.samples.sliced(2000, 2000)});
    const QStringList cut = {u"cut"_s, u"take.wav"_s, u"0,25"_s, u"0.5"_s, u"piece.wav"_s};
    EXPECT_EQ(run(cut), 0) << err.toStdString();
    EXPECT_EQ(app.read(u"piece.wav"_s), piece);
    EXPECT_EQ(run(cut + QStringList{u"--force"_s}), 0);
    EXPECT_EQ(run({u"cut"_s, u"take.wav"_s, u"0"_s, u"0.5"_s, u"piece.wav"_s}), 1);
    EXPECT_EQ(app.read(u"piece.wav"_s), piece);

    app.write(u"intervals.txt"_s, "      0.000       0.250\r\n      0.250       1.000\n");
    const auto article = [&](const QString& name) {
        return run({u"article"_s, u"--user"_s, u"demo"_s, name, u"take.wav"_s, u"intervals.txt"_s});
    };
    EXPECT_EQ(article(u"lekce1"_s), 0) << err.toStdString();
    EXPECT_EQ(QDir(app.path(u"demo/practice/lekce1"_s)).entryList(QDir::Files),
              (QStringList{u"000000.wav"_s, u"000001.wav"_s}));
    EXPECT_EQ(app.read(u"demo/practice/lekce1/000000.wav"_s),
              sound::encodeWave({take.format, take.samples.first(2000)}));
    EXPECT_EQ(article(u"lekce1"_s), 1);
    EXPECT_EQ(err, u"Takové cvičení již existuje, zadej jiný název.\n"_s);
    EXPECT_EQ(article(u"../lekce2"_s), 1);
    EXPECT_FALSE(QFileInfo::exists(app.path(u"demo/lekce2"_s)));
}

} // namespace
