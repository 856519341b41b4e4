// setting.ini, read over the application folder's as the user's is, and what the program makes
// of it: the lesson lists, the grade and the recording format.
#include "fuzzinput.h"

#include "core/usererror.h"
#include "exam/examgrade.h"
#include "exam/settingini.h"
#include "sound/audioerror.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    exam::SettingIni settings;
    exam::ExamParameters parameters;
    try {
        exam::readSettingIni(FuzzInput(data, size).file(QStringLiteral("setting.ini")), settings,
                             parameters);
    } catch (const core::UserError&) {
        return 0;
    }
    require(settings.lessonCount >= 1 &&
            exam::lessonItems(settings.lessonCount).size() == settings.lessonCount);
    require(parameters.averagePosition < parameters.averageItems.size());
    for (const int percent : {0, 50, 100})
        exam::gradeText(percent, settings.gradeThresholds);
    try {
        settings.recordingFormat.validate();
        settings.recordingFormat.bytesForMs(1000);
    } catch (const sound::AudioError&) {
    }
    return 0;
}
