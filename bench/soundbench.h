#pragma once

#include "benchoptions.h"
#include "report.h"

#include <QString>

namespace bench {

// The sound window's work on a take of options.takeMinutes (10 unless asked otherwise) in the
// default recording format (8-bit stereo, 44,100 Hz), each beside libsndfile doing the same:
// storing a 1-second piece as a wave file beside libsndfile writing the same frames; the waveform's
// peaks of the take in memory beside a plain min/max loop over the frames libsndfile read with
// sf_readf_float; and the same peaks of the take's file, decoding included, beside that reading and
// loop together; and the words that speech synthesis speaks per second (short words, 20 times
// the runs, into a new sound folder). Figures in milliseconds, the median of the runs, added to the
// report; only those the options ask for.
void runSoundBench(const QString& folder, const BenchOptions& options, Report& report);

} // namespace bench
