#pragma once

#include "exam/progressdata.h"

#include <QString>
#include <QWidget>

namespace exam {

// The three progress charts one above the other: the success percentage of each exam over
// time (a line per question language, the points coloured by grade), the exams of each week
// and the share of known words of each lesson. With no exam in the history the first two
// give way to the label "ZadneZkouseni" saying so.
QWidget* createProgressCharts(const ProgressData& data, QWidget* parent);

// Draws the charts into a PNG file without a window (the offscreen platform serves);
// answers false when the file cannot be written.
bool saveProgressPng(const ProgressData& data, const QString& path);

} // namespace exam
