#pragma once

#include "exam/examparameters.h"

#include <optional>

namespace exam {

// How SetExaming presets the exam settings dialog for an exam type before showing it: the
// values it sets and which controls it enables. An empty enabled state leaves the control as
// it is. Setting a radio group or a check box this way runs its click as a user's click would;
// that cascade is the dialog's.
struct ExamPreset {
    QuestionLanguage questionLanguage = QuestionLanguage::Czech;
    bool questionLanguageEnabled = true;
    bool autoPlay = true;
    bool autoPlayEnabled = true;
    bool recordSound = false;
    bool recordSoundEnabled = false;
    std::optional<bool> recordWhenEnabled; // alllimit and onbutton
    std::optional<bool> automaticOkEnabled;
    AskMode ask = AskMode::WrittenOnly;
    bool askEnabled = false;
    bool onlyWithSound = false;
    bool onlyWithSoundEnabled = true;
    bool limitAndAverageEnabled = true; // the time limit and grade average lists and labels
};

ExamPreset examPreset(ExamType type);

// The type and the preset's values put into the parameters.
void applyPreset(ExamParameters& parameters, ExamType type);

} // namespace exam
