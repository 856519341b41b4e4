// The bulk commands and the text export with a fault at each write point in turn: an I/O
// error once, or a disk that is full from that write on. Afterwards every table file is
// healthy, every record and every other file is as before or as after the command, a command
// that kept less than all of its work said so in Czech, and one that said nothing did all of
// it.
// The test command tries some of the write points; scripts/fault-sweep.sh tries every one.
#include "applicationfolder.h"
#include "faultinjection.h"
#include "rawsqlite.h"
#include "recordingshell.h"
#include "scriptedmessages.h"

#include "dictionary/newdictionary.h"
#include "dictionary/setiniwriter.h"
#include "entry/codeini.h"
#include "entry/regeneration.h"
#include "exam/evaluateexam.h"
#include "exam/prepareexam.h"
#include "exchange/exportcommands.h"
#include "exchange/importcommands.h"
#include "exchange/lessonchange.h"
#include "exchange/peercommands.h"
#include "shell/safetycopies.h"

#include <QDirIterator>
#include <QRegularExpression>

#include <map>

namespace {

using faults::Kind;

const QString kDictionary = u"eva/Angličtina"_s;
const QStringList kStoreFailures = {u"error: Tabulku "_s, u"error: Při práci s tabulkou "_s};
const QString kCopyFailure = u"error: Bezpečnostní kopii slovníku „Angličtina“ nelze pořídit"_s;

// What a folder holds: each record of its table files by table and row, each other file's
// bytes, and what the integrity check finds wrong.
struct FolderState {
    std::map<QString, QString> records; // "file:table:row" -> the record's values
    std::map<QString, QByteArray> files;
    QStringList damaged;

    bool operator==(const FolderState&) const = default;
};

void readTables(const QString& path, const QString& name, FolderState& state) {
    sqlite3* db = rawOpen(path);
    const auto rows = [db](const QString& sql, const std::function<void(sqlite3_stmt*)>& each) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr);
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW)
            each(stmt);
        sqlite3_finalize(stmt);
    };
    const auto text = [](sqlite3_stmt* stmt, int column) {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
    };
    rows(u"PRAGMA integrity_check"_s, [&](sqlite3_stmt* stmt) {
        if (text(stmt, 0) != u"ok")
            state.damaged << name + u": "_s + text(stmt, 0);
    });
    QStringList tables;
    rows(u"SELECT name FROM sqlite_master WHERE type = 'table'"_s,
         [&](sqlite3_stmt* stmt) { tables << text(stmt, 0); });
    for (const QString& table : tables) {
        rows(u"SELECT * FROM \"%1\""_s.arg(table), [&](sqlite3_stmt* stmt) {
            QStringList values;
            for (int column = 0; column < sqlite3_column_count(stmt); ++column)
                values << (sqlite3_column_type(stmt, column) == SQLITE_NULL ? u"∅"_s
                                                                            : text(stmt, column));
            state.records[name + u':' + table + u':' + values.first()] = values.join(u'|');
        });
    }
    sqlite3_close(db);
}

FolderState readState(const QString& folder) {
    FolderState state;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString name = QDir(folder).relativeFilePath(path);
        if (name.endsWith(u"-wal") || name.endsWith(u"-shm"))
            continue; // read with their table
        if (name.endsWith(u".db")) {
            readTables(path, name, state);
        } else {
            QFile file(path);
            state.files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable";
        }
    }
    return state;
}

// Each value old or new: one that is in neither, or gone from both, is described.
template <typename Value>
QStringList mixed(const std::map<QString, Value>& now, const std::map<QString, Value>& before,
                  const std::map<QString, Value>& after) {
    QStringList found;
    for (const auto& [key, value] : now) {
        const auto old = before.find(key);
        const auto made = after.find(key);
        if ((old == before.end() || old->second != value) &&
            (made == after.end() || made->second != value))
            found << u"neither old nor new: "_s + key;
    }
    for (const auto& [key, value] : before) {
        if (after.contains(key) && !now.contains(key))
            found << u"lost: "_s + key;
    }
    return found;
}

// One bulk command: what it starts from (made in the application folder of the user eva
// with her dictionary), the command as the program runs it, the beginnings of the error
// messages it may show, and whether it is one unit (the dictionary all old or all new).
struct FaultyCommand {
    const char* name;
    std::function<void(ApplicationFolder&)> prepare;
    std::function<void(const QString& folder, ScriptedMessages&)> run;
    QStringList failures;
    bool oneUnit = false;
};

QDateTime copyTime() {
    return QDateTime(QDate(2026, 3, 12), QTime(14, 15));
}

exchange::BeforeChange safetyCopy(const QString& folder, shell::BulkWork work) {
    return [=] {
        shell::SafetyCopies(folder + u'/' + kDictionary).take(work, copyTime());
    };
}

// The dictionary with count entries, kept by the rules of its code.ini.
void addDictionary(ApplicationFolder& app, int count, const QByteArray& codeIni = "\r\n") {
    app.createTable(kDictionary + u"/dictonary.db"_s, u"dictonary"_s);
    app.write(kDictionary + u"/set.ini"_s, "language=Angli\xe8tina\r\n");
    app.write(kDictionary + u"/code.ini"_s, codeIni);
    auto dictionary = app.openTable(kDictionary + u"/dictonary.db"_s);
    for (int i = 0; i < count; ++i)
        dictionary->appendRecord({u"Slovo %1"_s.arg(i), u"(a) Word %1"_s.arg(i), 1 + i % 4, 5, 7});
}

void openDictionary(store::Cursor& dictionary, const QString& folder) {
    entry::TestWordRules rules;
    entry::readCodeIni(folder + u'/' + kDictionary + u"/code.ini"_s, rules);
    exchange::keepEntriesOnPost(dictionary, rules);
    exchange::openDictionaryTable(dictionary, folder + u'/' + kDictionary);
}

// After a failed command the program goes on, on the same cursor, once the disk works again:
// the entry it adds then is kept.
const QString kAddedAfterwards = u"|potom|afterwards|"_s;
bool g_addedAfterwards = false;
void addAfterwards(store::Cursor& dictionary) {
    if (!faults::struck())
        return;
    faults::repair();
    dictionary.appendRecord({u"potom"_s, u"afterwards"_s, 1});
    g_addedAfterwards = true;
}

// A window command: its failure shown as the program shows it.
void shownFailure(ScriptedMessages& messages, const std::function<void()>& work) {
    try {
        work();
    } catch (const core::UserError& error) {
        messages.error(error.message());
    }
}

void importLines(const QString& folder, ScriptedMessages& messages) {
    store::Cursor dictionary;
    openDictionary(dictionary, folder);
    messages.answer({true});
    exchange::runTextImport(exchange::TextLayout::TabSeparated, dictionary,
                            folder + u"/words.tsv"_s, messages, {},
                            safetyCopy(folder, shell::BulkWork::Import));
    addAfterwards(dictionary);
}

void importKvtml(const QString& folder, ScriptedMessages& messages) {
    store::Cursor dictionary;
    openDictionary(dictionary, folder);
    messages.answer({true});
    exchange::runPeerImport(exchange::PeerFormat::Kvtml, dictionary, folder + u"/words.kvtml"_s,
                            messages, std::nullopt, {},
                            safetyCopy(folder, shell::BulkWork::Import));
    addAfterwards(dictionary);
}

void regenerate(const QString& folder, ScriptedMessages& messages) {
    store::Cursor dictionary;
    openDictionary(dictionary, folder);
    shownFailure(messages, [&] {
        safetyCopy(folder, shell::BulkWork::Regeneration)();
        entry::regenerate(dictionary);
    });
    addAfterwards(dictionary);
}

void changeLessons(const QString& folder, ScriptedMessages& messages) {
    store::Cursor dictionary;
    openDictionary(dictionary, folder);
    messages.answer({true});
    exchange::runBulkLessonChange(dictionary, {1, 2, exchange::BulkLessonChoice::Mode::MoveTo, 9},
                                  100, messages, {},
                                  safetyCopy(folder, shell::BulkWork::LessonChange));
    addAfterwards(dictionary);
}

// An exam of 200 questions, each answered, with a grade for each answer.
void prepareExam(ApplicationFolder& app) {
    addDictionary(app, 300);
    app.write(u"_other_/template.html"_s, "<HTML>\r\n{[..here..]}\r\n</HTML>\r\n");
    app.write(u"eva/results/1_05.12.2026.html"_s, "an older report of the same name\r\n");
    auto history = app.openTable(u"eva/exam.db"_s);
    history->append();
    postFields(*history, {{u"Datum"_s, QDate(2026, 12, 5)},
                          {u"Time"_s, QTime(14, 3, 7)},
                          {u"TazaciJazyk"_s, u"Česky"_s},
                          {u"TypZkouseni"_s, 2}});
    auto runtime = app.openTable(u"_other_/runtime.db"_s);
    auto deprun = app.openTable(u"_other_/deprun.db"_s);
    auto runzn = app.openTable(u"_other_/runzn.db"_s);
    for (int i = 0; i < 200; ++i) {
        const QString question = u"Slovo %1"_s.arg(i);
        runtime->appendRecord({question, question, 1, i % 3, i % 2, 0});
        deprun->appendRecord({question, u"(a) Word %1"_s.arg(i), {}, {}, 1});
        runzn->appendRecord({question, 1, 1 + i % 5});
    }
}

void closeExam(const QString& folder, ScriptedMessages& messages) {
    std::vector<std::unique_ptr<store::Cursor>> cursors;
    for (const QString& table :
         {QString(kDictionary + u"/dictonary.db"_s), u"eva/exam.db"_s, u"_other_/runtime.db"_s,
          u"_other_/deprun.db"_s, u"_other_/runzn.db"_s}) {
        cursors.push_back(std::make_unique<store::Cursor>());
        cursors.back()->setDatabaseName(QFileInfo(folder + u'/' + table).path());
        cursors.back()->setTableName(QFileInfo(table).fileName());
        cursors.back()->open();
    }
    exam::ExamEvaluation evaluation;
    evaluation.plannedAsks = 300;
    evaluation.questionCount = 200;
    evaluation.applicationFolder = folder;
    evaluation.userFolder = folder + u"/eva"_s;
    RecordingShell system;
    cursors[1]->last();
    exam::evaluateExam({*cursors[0], *cursors[1], *cursors[2], *cursors[3], *cursors[4]},
                       evaluation, messages, system);
    addAfterwards(*cursors[0]);
}

void createDictionary(const QString& folder, ScriptedMessages& messages) {
    dictionary::NewDictionary request;
    request.name = u"Němčina"_s;
    request.manual = true;
    request.language = u"Německy"_s;
    request.note = {u"Slovíčka z učebnice"_s};
    dictionary::createDictionary(messages, folder + u"/eva"_s, folder + u"/_EmptyTable_"_s, folder,
                                 request);
}

void replaceSettings(const QString& folder, ScriptedMessages& messages) {
    shownFailure(messages, [&] {
        safetyCopy(folder, shell::BulkWork::SettingsSet)();
        dictionary::replaceSettingsBySet(folder + u'/' + kDictionary,
                                         folder + u"/_other_/setinis/Němčina.ini"_s);
    });
}

void exportText(const QString& folder, ScriptedMessages& messages) {
    store::Cursor dictionary;
    openDictionary(dictionary, folder);
    messages.answer({true});
    exchange::runTxtExport(dictionary, {folder, folder + u"/eva"_s}, messages, nullptr);
}

const FaultyCommand kCommands[] = {
    {"ImportOf1000Lines",
     [](ApplicationFolder& app) {
         addDictionary(app, 20);
         QByteArray lines;
         for (int i = 0; i < 1000; ++i)
             lines += "nov\xe9 slovo " + QByteArray::number(i) + "\tnew word\t3\tpozn\xe1mka\r\n";
         app.write(u"words.tsv"_s, lines);
     },
     importLines,
     {u"error: Chyba importu. Slovník zůstal beze změny. Hlášení zní: "_s, kCopyFailure},
     true},
    {"ImportOfKvtml",
     [](ApplicationFolder& app) {
         addDictionary(app, 20);
         QByteArray entries;
         for (int i = 0; i < 300; ++i) {
             entries += "<entry id=\"" + QByteArray::number(i) +
                        "\"><translation id=\"0\"><text>new word</text></translation>"
                        "<translation id=\"1\"><text>nov\xc3\xa9 slovo " +
                        QByteArray::number(i) + "</text></translation></entry>";
         }
         app.write(u"words.kvtml"_s, "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"/>"
                                     "<identifier id=\"1\"><locale>cs</locale></identifier>"
                                     "</identifiers><entries>" +
                                         entries + "</entries></kvtml>");
     },
     importKvtml,
     {u"error: Chyba importu. Slovník zůstal beze změny. Hlášení zní: "_s, kCopyFailure},
     true},
    {"Regeneration",
     [](ApplicationFolder& app) {
         addDictionary(app, 1000, "casesensitive=yes\r\n");
         app.write(kDictionary + u"/code.ini"_s, "casesensitive=no\r\n");
     },
     regenerate, kStoreFailures + QStringList{kCopyFailure}},
    {"BulkLessonChange",
     [](ApplicationFolder& app) { addDictionary(app, 1000); },
     changeLessons,
     {u"error: Změna NEproběhla kompletně"_s, kCopyFailure}},
    {"ClosingAnExam", prepareExam, closeExam,
     kStoreFailures +
         QStringList{u"error: "_s + QString::fromUtf16(exam::kReportNotWrittenMessage)}},
    {"CreatingADictionary",
     [](ApplicationFolder& app) { app.write(u"eva/code.ini"_s, "\r\n"); },
     createDictionary,
     {u"error: Není možné zkopírovat "_s, u"error: Soubor nelze zapsat: "_s}},
    {"ReplacingTheSettings",
     [](ApplicationFolder& app) {
         addDictionary(app, 20);
         app.write(u"_other_/setinis/Němčina.ini"_s, "language=N\xecm\xe8ina\r\nfontcz=Arial\r\n");
     },
     replaceSettings,
     {kCopyFailure, u"error: Soubor nelze zapsat: "_s}},
    {"ExportAsText",
     [](ApplicationFolder& app) {
         addDictionary(app, 1000);
         app.write(u"eva/results/export.txt"_s, "an older export\r\n");
     },
     exportText,
     {u"error: Není možné zapsat export.txt"_s}},
};

void copyFolder(const QString& from, const QString& to) {
    QDirIterator files(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString target = to + u'/' + QDir(from).relativeFilePath(files.next());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(files.filePath(), target);
    }
}

struct Outcome {
    long writePoints = 0;
    bool struck = false;
    QStringList shown;
    FolderState state; // without the entry added afterwards
    bool addedAfterwards = false;
    bool keptAfterwards = false;

    QStringList errors() const { return shown.filter(QRegularExpression(u"^error: "_s)); }
};

Outcome runWithFault(const FaultyCommand& command, const QString& start, long n, Kind kind) {
    ScratchFolder folder;
    copyFolder(start, folder.path());
    ScriptedMessages messages;
    g_addedAfterwards = false;
    faults::arm(n, kind);
    command.run(folder.path(), messages);
    Outcome outcome;
    outcome.writePoints = faults::disarm();
    outcome.struck = faults::struck();
    outcome.shown = messages.shown;
    outcome.state = readState(folder.path());
    outcome.addedAfterwards = g_addedAfterwards;
    outcome.keptAfterwards = std::erase_if(outcome.state.records, [](const auto& record) {
                                 return record.second.contains(kAddedAfterwards);
                             }) == 1;
    return outcome;
}

std::map<QString, QString> dictionaryRecords(const FolderState& state) {
    const QString prefix = kDictionary + u"/dictonary.db:"_s;
    std::map<QString, QString> records;
    for (const auto& [key, value] : state.records) {
        if (key.startsWith(prefix))
            records.emplace(key, value);
    }
    return records;
}

// What is wrong with the outcome of a fault.
QStringList findings(const FaultyCommand& command, const Outcome& outcome,
                     const FolderState& before, const Outcome& clean) {
    const FolderState& now = outcome.state;
    QStringList found = now.damaged;
    if (outcome.addedAfterwards && !outcome.keptAfterwards)
        found << u"the entry added after the failure is lost"_s;
    if (outcome.errors().isEmpty()) {
        if (now != clean.state)
            found << u"nothing said, yet the work is not all done"_s;
        return found;
    }
    for (const QString& error : outcome.errors()) {
        if (std::none_of(command.failures.begin(), command.failures.end(),
                         [&](const QString& start) { return error.startsWith(start); }))
            found << u"unexpected message: "_s + error;
    }
    found << mixed(now.records, before.records, clean.state.records)
          << mixed(now.files, before.files, clean.state.files);
    if (command.oneUnit && dictionaryRecords(now) != dictionaryRecords(before))
        found << u"a failed unit changed the dictionary"_s;
    return found;
}

// The write points to fail: every stride-th from the first, and the last; some 16 of them
// unless LEXITON_FAULT_STRIDE says otherwise.
std::vector<long> pointsToFail(long count) {
    const int chosen = qEnvironmentVariableIntValue("LEXITON_FAULT_STRIDE");
    const long stride = chosen > 0 ? chosen : std::max(count / 16, 1L);
    std::vector<long> points;
    for (long n = 1; n < count; n += stride)
        points.push_back(n);
    points.push_back(count);
    return points;
}

class FaultAtAWritePoint : public ::testing::TestWithParam<FaultyCommand> {
protected:
    static void SetUpTestSuite() { faults::install(); }
};

TEST_P(FaultAtAWritePoint, LeavesHealthyFilesWithEachRecordOldOrNew) {
    const FaultyCommand& command = GetParam();
    ApplicationFolder start({{u"eva"_s, QString()}});
    command.prepare(start);
    const FolderState before = readState(start.path());
    const Outcome clean = runWithFault(command, start.path(), 0, Kind::IoError);
    ASSERT_TRUE(clean.shown.filter(QRegularExpression(u"^(error|warning)"_s)).isEmpty())
        << clean.shown.join(u'\n').toStdString();
    ASSERT_NE(clean.state, before);
    ASSERT_TRUE(clean.state.damaged.isEmpty());

    int injected = 0;
    int reported = 0; // the others were absorbed: the work was all done
    int wrong = 0;
    for (const long n : pointsToFail(clean.writePoints)) {
        for (const Kind kind : {Kind::IoError, Kind::DiskFull}) {
            const Outcome outcome = runWithFault(command, start.path(), n, kind);
            ++injected;
            reported += outcome.errors().isEmpty() ? 0 : 1;
            const QStringList found = findings(command, outcome, before, clean);
            if (!found.isEmpty() && ++wrong <= 3)
                ADD_FAILURE()
                    << "write point " << n << " of " << clean.writePoints
                    << (kind == Kind::IoError ? ", I/O error" : ", disk full") << ":\n"
                    << found.first(std::min<qsizetype>(found.size(), 10)).join(u'\n').toStdString()
                    << "\nshown:\n"
                    << outcome.shown.join(u'\n').toStdString();
        }
    }
    EXPECT_EQ(wrong, 0);
    RecordProperty("write_points", static_cast<int>(clean.writePoints));
    RecordProperty("faults_injected", injected);
    std::printf("%s: %ld write points, %d faults injected, %d reported, %d left the files "
                "wrong\n",
                command.name, clean.writePoints, injected, reported, wrong);
}

INSTANTIATE_TEST_SUITE_P(BulkCommands, FaultAtAWritePoint, ::testing::ValuesIn(kCommands),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
