// exam.ini and the values of the exam settings behind the list positions it sets.
#include "fuzzinput.h"

#include "core/usererror.h"
#include "exam/examini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    exam::ExamIni ini;
    exam::ExamParameters parameters;
    try {
        exam::readExamIni(FuzzInput(data, size).file(QStringLiteral("exam.ini")), ini, parameters);
    } catch (const core::UserError&) {
        return 0;
    }
    parameters.wordCount();
    parameters.sharePercent();
    parameters.times();
    parameters.worstCount();
    parameters.worstTimes();
    parameters.limitSeconds();
    parameters.averageText();
    exam::pictureLoadMessage(ini.examWindow.backgroundPicture);
    return 0;
}
