#include "shell/datacheck.h"

#include "core/czechplural.h"
#include "core/fileerror.h"
#include "dictionary/dictionaryfolders.h"
#include "store/cursor.h"
#include "store/error.h"
#include "store/tablecheck.h"

#include <QDir>

namespace shell {
namespace {

using namespace Qt::StringLiterals;

// The exam types whose end completes the history record; a pronunciation training has none.
constexpr qint32 kSelfEvaluation = 1;
constexpr qint32 kAutomaticExam = 2;

// The last exam of the history when it was prepared but never evaluated while its questions
// are still in the working tables: the program ended in the middle of it.
std::optional<QString> brokenOffExam(const QString& applicationFolder, const QString& user) {
    store::Cursor history;
    history.setDatabaseName(QDir(applicationFolder).filePath(user));
    history.setTableName(u"exam.db"_s);
    store::Cursor questions;
    questions.setDatabaseName(QDir(applicationFolder).filePath(u"_other_"_s));
    questions.setTableName(u"runtime.db"_s);
    history.open();
    questions.open();
    if (history.isEmpty() || questions.isEmpty())
        return std::nullopt;
    history.last();
    const qint32 type = history.field(u"TypZkouseni"_s).asInteger();
    if (!history.field(u"Celkem"_s).isNull() || (type != kSelfEvaluation && type != kAutomaticExam))
        return std::nullopt;
    return u"poslední zkoušení (č. %1 ze dne %2) bylo přerušeno a nevyhodnoceno, jeho otázky "
           "zůstaly v pracovních tabulkách a jeho odpovědi se do slovníku nezapsaly"_s.arg(
               history.field(u"Auto"_s).asString(), history.field(u"Datum"_s).asString());
}

class Checker {
public:
    explicit Checker(const QString& applicationFolder)
        : m_folder(applicationFolder) {}

    // Checks the file; answers whether it is in order.
    bool check(const QString& relative, const QString& kind) {
        m_report.files.push_back(
            {relative, store::checkTableFile(m_folder.filePath(relative), kind).findings});
        return m_report.files.back().findings.isEmpty();
    }
    void add(const QString& relative, const QString& finding) {
        m_report.files.push_back({relative, {finding}});
    }
    CheckedFile& last() { return m_report.files.back(); }
    DataCheckReport take() { return std::move(m_report); }

private:
    QDir m_folder;
    DataCheckReport m_report;
};

} // namespace

bool DataCheckReport::ok() const {
    return std::all_of(files.begin(), files.end(),
                       [](const CheckedFile& file) { return file.findings.isEmpty(); });
}

QStringList DataCheckReport::lines() const {
    QStringList lines;
    qsizetype wrong = 0;
    for (const CheckedFile& file : files) {
        const QString shown = QDir::toNativeSeparators(file.path) + u": "_s;
        lines << shown + (file.findings.isEmpty() ? u"v pořádku"_s : file.findings.join(u"; "_s));
        wrong += file.findings.isEmpty() ? 0 : 1;
    }
    lines << QString();
    if (wrong == 0) {
        lines << core::czechCount(static_cast<qint64>(files.size()), u"Soubor je v pořádku.",
                                  u"Všechny %1 soubory jsou v pořádku.",
                                  u"Všech %1 souborů je v pořádku.");
    } else {
        lines << core::czechCount(wrong, u"%1 soubor není v pořádku",
                                  u"%1 soubory nejsou v pořádku", u"%1 souborů není v pořádku") +
                     u" (zkontrolováno %1)."_s.arg(files.size());
    }
    return lines;
}

DataCheckReport checkData(const QString& applicationFolder, const QStringList& users) {
    Checker checker(applicationFolder);
    bool questionsReadable = false;
    for (const char* kind : {"user", "runtime", "deprun", "runzn"}) {
        const QString name = QString::fromLatin1(kind);
        const bool ok = checker.check(u"_other_/%1.db"_s.arg(name), name);
        questionsReadable |= ok && name == u"runtime";
    }
    for (const char* kind : {"dictonary", "exam"})
        checker.check(u"_EmptyTable_/%1.db"_s.arg(QString::fromLatin1(kind)),
                      QString::fromLatin1(kind));

    for (const QString& user : users) {
        QStringList dictionaries;
        try {
            dictionaries = dictionary::listDictionaries(QDir(applicationFolder).filePath(user));
        } catch (const core::FileError&) {
            checker.add(user, u"složka uživatele chybí"_s);
            continue;
        }
        if (checker.check(user + u"/exam.db"_s, u"exam"_s) && questionsReadable) {
            try {
                if (const std::optional<QString> exam = brokenOffExam(applicationFolder, user))
                    checker.last().findings << *exam;
            } catch (const store::Error& error) {
                checker.last().findings << error.message();
            }
        }
        for (const QString& name : dictionaries)
            checker.check(user + u'/' + name + u"/dictonary.db"_s, u"dictonary"_s);
    }
    return checker.take();
}

} // namespace shell
