#include "exam/examworkspace.h"

namespace exam {

ExamTables ExamWorkspace::bind(store::Cursor& dictionary, const QString& userFolder,
                               const QString& otherFolder) {
    history.setDatabaseName(userFolder);
    history.setTableName(QStringLiteral("exam.db"));
    const std::pair<store::Cursor*, const char*> workingTables[] = {
        {&runtime, "runtime.db"}, {&deprun, "deprun.db"}, {&runzn, "runzn.db"}};
    for (const auto& [table, fileName] : workingTables) {
        table->setDatabaseName(otherFolder);
        table->setTableName(QString::fromLatin1(fileName));
    }
    return {dictionary, history, runtime, deprun, runzn};
}

ExamEvaluation ExamWorkspace::evaluation(const QString& applicationFolder,
                                         const QString& userFolder) const {
    ExamEvaluation evaluation;
    evaluation.gradeThresholds = settingIni.gradeThresholds;
    evaluation.display = examIni.results;
    evaluation.applicationFolder = applicationFolder;
    evaluation.userFolder = userFolder;
    return evaluation;
}

} // namespace exam
