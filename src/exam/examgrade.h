#pragma once

#include <QString>

#include <array>

namespace exam {

// The success percentage of an exam, which may be negative. A finished exam measures the
// wrong answers against the planned asks, an interrupted one against its right answers (so
// an interrupted exam without a right answer scores 0).
int successPercent(bool interrupted, int plannedAsks, int right, int wrong);

// The school grade for a percentage: "1*" for 100, else the first threshold the percentage
// passes gives its grade and one it only reaches gives that grade's minus ("2", "2-"); below
// all five thresholds "no asi tak 6-".
QString gradeText(int percent, const std::array<quint8, 5>& thresholds);

} // namespace exam
