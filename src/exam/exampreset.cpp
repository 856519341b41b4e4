#include "exam/exampreset.h"

namespace exam {

ExamPreset examPreset(ExamType type) {
    ExamPreset preset;
    switch (type) {
    case ExamType::SelfEvaluation:
        preset.recordSound = true;
        preset.recordSoundEnabled = true;
        preset.recordWhenEnabled = true;
        break;
    case ExamType::Automatic:
        preset.recordWhenEnabled = false;
        preset.automaticOkEnabled = false;
        break;
    case ExamType::Training:
        preset.questionLanguage = QuestionLanguage::Foreign;
        preset.questionLanguageEnabled = false;
        preset.autoPlay = false;
        preset.autoPlayEnabled = false;
        preset.automaticOkEnabled = false;
        preset.onlyWithSound = true;
        preset.onlyWithSoundEnabled = false;
        preset.limitAndAverageEnabled = false;
        break;
    }
    return preset;
}

void applyPreset(ExamParameters& parameters, ExamType type) {
    const ExamPreset preset = examPreset(type);
    parameters.type = type;
    parameters.questionLanguage = preset.questionLanguage;
    parameters.autoPlay = preset.autoPlay;
    parameters.recordSound = preset.recordSound;
    parameters.ask = preset.ask;
    parameters.onlyWithSound = preset.onlyWithSound;
}

} // namespace exam
