#pragma once

#include <QString>
#include <QStringList>

namespace exam {

// What the pronunciation training does with each word (ComboBoxType, in the list's order).
enum class TrainingMode { PlayAndRecord = 0, PlayTwice = 1, PlayThrice = 2, PlayOnce = 3 };

QStringList trainingModeItems();
// The words after the added time: the time to speak in when recording, else a pause.
QString addedTimeCaption(TrainingMode mode);

// The added time list (ComboBox1) in seconds, and its preset item.
QStringList addedTimeItems();
inline constexpr auto kAddedTimePreset = u"0.75";

// The added time in milliseconds: the item's seconds × 1000, rounded to the nearest; 1000 when
// the text is no number of seconds.
int addedTimeMs(const QString& item);

} // namespace exam
