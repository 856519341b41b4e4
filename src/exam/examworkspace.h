#pragma once

#include "exam/evaluateexam.h"
#include "exam/examini.h"
#include "exam/examparameters.h"
#include "exam/prepareexam.h"
#include "exam/settingini.h"
#include "store/cursor.h"

namespace exam {

// What the exam commands keep for the whole run: the settings that setting.ini and exam.ini
// give, the exam settings chosen last, and the cursors on the user's exam history and on
// the working tables of an exam.
struct ExamWorkspace {
    SettingIni settingIni;
    ExamIni examIni;
    ExamParameters parameters;
    store::Cursor history; // exam.db of the user
    store::Cursor runtime; // the questions
    store::Cursor deprun;  // their accepted answers
    store::Cursor runzn;   // the grades given

    // Points the cursors at the user's history and the working tables of the shared folder;
    // the preparation walks the dictionary cursor given.
    ExamTables bind(store::Cursor& dictionary, const QString& userFolder,
                    const QString& otherFolder);
    // What the results step of this user's exams is told besides the tables.
    ExamEvaluation evaluation(const QString& applicationFolder, const QString& userFolder) const;
};

} // namespace exam
