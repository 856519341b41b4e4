#pragma once

#include "exam/prepareexam.h"
#include "scratchfolder.h"

// The tables of an exam in a temporary folder, each open on a cursor of the fixture: the
// dictionary, the exam history, and the working tables of the questions, their answers and
// their grades.
class ExamTablesFixture : public ::testing::Test {
protected:
    ExamTablesFixture() {
        for (const QString& kind : kinds()) {
            folder.createTable(kind + u".db"_s, kind);
            m_cursors.push_back(folder.openTable(kind + u".db"_s));
        }
    }

    store::Cursor& table(const QString& kind) { return *m_cursors.at(kinds().indexOf(kind)); }
    exam::ExamTables tables() {
        return {*m_cursors[0], *m_cursors[1], *m_cursors[2], *m_cursors[3], *m_cursors[4]};
    }
    // The fields of every record, read through a cursor of its own: past the filters and
    // masters of the fixture's cursors.
    QStringList rows(const QString& kind, const QStringList& fields) const {
        return tableRows(*folder.openTable(kind + u".db"_s), fields);
    }

    ScratchFolder folder;

private:
    static QStringList kinds() {
        return {u"dictonary"_s, u"exam"_s, u"runtime"_s, u"deprun"_s, u"runzn"_s};
    }

    std::vector<std::unique_ptr<store::Cursor>> m_cursors;
};
