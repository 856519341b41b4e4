#pragma once

#include "dictionarydata.h"

#include <QString>

#include <vector>

namespace bench {

// One way of keeping a dictionary file, put through the work the program does with it.
// The table store and SQLite used directly both implement it, so that every figure of
// the store has the floor beside it. Each timed call measures only its own work and
// returns microseconds; preparing and cleaning up stay outside the clock.
class DictionaryBench {
public:
    virtual ~DictionaryBench() = default;
    virtual QString label() const = 0;

    // Fills the empty dictionary file at path with the entries, committed.
    virtual double append(const QString& path, const std::vector<Entry>& entries) = 0;
    // Opens the file sorted by Czech and Other and reads the first rows, then closes it.
    virtual double openFirstPage(const QString& path, int rows) = 0;

    // A view of the whole file that stays open for the calls below, sorted by Czech and
    // Other until told otherwise.
    virtual void openView(const QString& path) = 0;
    virtual void closeView() = 0;
    virtual int viewSize() = 0;

    virtual double selectOrder(const QString& indexName) = 0;
    virtual double readPage(int firstRecNo, int rows) = 0;
    // The record number (1-based) at which the text would stand in the Czech order.
    virtual double findNearest(const QString& prefix, int& recNo) = 0;
    // Counts the entries of one lesson through a filtered view; the filter is dropped
    // again outside the clock.
    virtual double filterLesson(int lesson, int& count) = 0;
    // Sets Pom of one record and commits it durably on its own.
    virtual double postOne(int recNo, int pom) = 0;
    // Sets Pom := Dobre + Spatne + increment on every record, walking the view.
    virtual double postingWalk(int increment) = 0;
};

} // namespace bench
