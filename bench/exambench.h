#pragma once

#include <QString>

namespace bench {

// The choice of an exam's words over the whole dictionary: 200 words, 30 % of them least
// asked, 10 worst-remembered ones on top, and their accepted answers. The table store runs
// the program's own preparation; SQLite used directly does the same reading, writing and
// selections with statements of its own: one reading in record order rates the words, and
// the worst ones are read only as far as needed. Each side keeps its working tables in a
// folder of its own.
class ExamBench {
public:
    explicit ExamBench(const QString& folder);

    // Microseconds of one preparation on the dictionary file at path.
    double prepareStore(const QString& dictionaryPath, int run);
    double prepareRaw(const QString& dictionaryPath, int run);

    // The questions of the last preparation of each side.
    int storeQuestions() const { return m_storeQuestions; }
    int rawQuestions() const { return m_rawQuestions; }

private:
    QString m_storeFolder;
    QString m_rawFolder;
    int m_storeQuestions = 0;
    int m_rawQuestions = 0;
};

} // namespace bench
