#pragma once

#include "exam/examparameters.h"
#include "sound/waveformat.h"

#include <QString>
#include <QStringList>

#include <array>

namespace exam {

// What setting.ini configures, as the main window holds it. The file is read twice at start,
// the application folder's and then the user's, each over what the one before left.
struct SettingIni {
    static constexpr int kUnchangedFontSize = 12;

    int lessonCount = 100;
    // Grades 1 to 5 need at least these per cent; the values are kept in 8 bits.
    std::array<quint8, 5> gradeThresholds{97, 92, 75, 60, 20};
    // Applied to the windows' fonts unless 12; below 10 also to the notes pane.
    int fontSize = kUnchangedFontSize;
    bool recordWave = true;
    sound::WaveFormat recordingFormat;
};

// Applies the lines of a setting.ini. Each line is lowered in case and matched by its key as
// a prefix; a number that does not parse as a whole gives the key's fallback. The lesson
// count starts again from 100. The "[average]" block replaces the grade averages of the
// exam settings and "defaultendaverage=" selects one of them.
void applySettingIni(const QStringList& lines, SettingIni& settings, ExamParameters& parameters);

// Reads the file and applies it; raises core::FileError with "Chyba při čtení souboru
// "setting.ini"." when it cannot be read, leaving both values as they were.
void readSettingIni(const QString& path, SettingIni& settings, ExamParameters& parameters);

} // namespace exam
