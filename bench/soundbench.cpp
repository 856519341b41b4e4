#include "soundbench.h"

#include "stopwatch.h"

#include "core/codepage.h"
#include "sound/missingsounds.h"
#include "sound/selectionstore.h"
#include "sound/soundfiledecoder.h"
#include "sound/speechsynthesizer.h"
#include "sound/waveencoding.h"
#include "sound/wavepeaks.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <sndfile.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace bench {
namespace {

using namespace Qt::StringLiterals;

constexpr qint64 kPieceMs = 1000;
constexpr int kPeakColumns = 1000; // about the width of the window's waveform in pixels
constexpr int kQuickFactor = 5;

struct Samples {
    std::vector<double> store;
    std::vector<double> raw;
};

void addMedian(Report& report, const QString& name, const Samples& samples) {
    report.add(name, median(samples.store) / 1000, u"ms"_s, median(samples.raw) / 1000);
}

// Noise: every sample value occurs, so that the peaks are not found at once.
sound::PcmSound generatedTake(int minutes) {
    sound::PcmSound take{sound::WaveFormat{}, {}};
    take.samples.resize(take.format.bytesForMs(qint64(minutes) * 60 * 1000));
    quint32 state = 12345;
    for (char& sample : take.samples) {
        state = state * 1664525 + 1013904223;
        sample = char(state >> 24);
    }
    return take;
}

SNDFILE* openSndfile(const QString& path, int mode, SF_INFO& info) {
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), mode, &info);
    if (!file)
        throw std::runtime_error("libsndfile cannot open " + path.toStdString());
    return file;
}

// A second from the middle of the take.
sound::Selection pieceOf(const sound::PcmSound& take) {
    const qint64 start = take.durationMs() / 2;
    return {start, start + kPieceMs};
}

double rawStore(const sound::PcmSound& take, const QString& path) {
    const Stopwatch clock;
    const qint64 from = take.byteOffsetAt(pieceOf(take).startMs);
    const qint64 to = take.byteOffsetAt(pieceOf(take).endMs);
    SF_INFO info{};
    info.samplerate = int(take.format.samplesPerSecond);
    info.channels = take.format.channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8;
    SNDFILE* file = openSndfile(path, SFM_WRITE, info);
    const sf_count_t written = sf_write_raw(file, take.samples.constData() + from, to - from);
    if (sf_close(file) != 0 || written != to - from)
        throw std::runtime_error("libsndfile cannot write the piece");
    return clock.elapsedMicroseconds();
}

// The take's frames as libsndfile reads them, -1..1, in one vector.
std::vector<float> rawRead(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = openSndfile(path, SFM_READ, info);
    std::vector<float> samples(size_t(info.frames * info.channels));
    const sf_count_t read = sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    if (read != info.frames)
        throw std::runtime_error("libsndfile cannot read the take");
    return samples;
}

// The plain loop: the lowest and highest sample of each column's frames.
std::vector<sound::PeakColumn> rawPeaks(const std::vector<float>& samples, int channels) {
    std::vector<sound::PeakColumn> peaks(kPeakColumns);
    const size_t frames = samples.size() / size_t(channels);
    for (size_t column = 0; column < kPeakColumns; ++column) {
        const size_t first = frames * column / kPeakColumns * size_t(channels);
        const size_t end = frames * (column + 1) / kPeakColumns * size_t(channels);
        float low = 1;
        float high = -1;
        for (size_t i = first; i < end; ++i) {
            low = std::min(low, samples[i]);
            high = std::max(high, samples[i]);
        }
        peaks[column] = {low, high};
    }
    return peaks;
}

// Short English words, as a beginner's dictionary holds them.
QStringList shortWords(int count) {
    static const QStringList kWords = {u"dog"_s,   u"cat"_s,  u"house"_s, u"tree"_s,  u"red"_s,
                                       u"green"_s, u"run"_s,  u"sleep"_s, u"water"_s, u"bread"_s,
                                       u"milk"_s,  u"book"_s, u"table"_s, u"chair"_s, u"window"_s,
                                       u"door"_s,  u"sun"_s,  u"moon"_s,  u"rain"_s,  u"snow"_s};
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << kWords.at(i % kWords.size()) +
                     (i < kWords.size() ? QString() : u" "_s + QString::number(i / kWords.size()));
    return words;
}

// Spoken words per second: the words of a dictionary without sounds, spoken into a new sound
// folder in the default recording format.
void speakBench(const QString& folder, const BenchOptions& options, Report& report) {
    const QString sounds = QDir(folder).filePath(u"spoken"_s);
    QDir(sounds).removeRecursively();
    QDir().mkpath(sounds);
    const sound::SpeechSynthesizer synthesizer(u"en"_s);
    sound::MissingSounds missing(shortWords(20 * options.repeat), sounds + u'/',
                                 sound::WaveFormat{}, core::CodePage::windows1250());
    const Stopwatch clock;
    missing.speakAll(synthesizer);
    const double seconds = clock.elapsedMicroseconds() / 1e6;
    report.add(u"speak_words_per_second"_s, missing.spoken() / seconds, u"count"_s);
}

} // namespace

void runSoundBench(const QString& folder, const BenchOptions& options, Report& report) {
    if (options.wants(u"speak_words_per_second"_s))
        speakBench(folder, options, report);
    const bool storing = options.wants(u"store_selection"_s);
    const bool peaking = options.wants(u"wave_peaks"_s) || options.wants(u"wave_load_peaks"_s);
    if (!storing && !peaking)
        return;
    const sound::PcmSound take = generatedTake(options.takeMinutes);
    report.add(u"take_minutes"_s, options.takeMinutes, u"count"_s);
    const QDir dir(folder);
    if (storing) {
        Samples pieces;
        for (int i = 0; i < kQuickFactor * options.repeat; ++i) {
            const Stopwatch clock;
            sound::storeSelection(take, pieceOf(take), dir.filePath(u"piece.wav"_s),
                                  sound::Replace::Existing);
            pieces.store.push_back(clock.elapsedMicroseconds());
            pieces.raw.push_back(rawStore(take, dir.filePath(u"piece-raw.wav"_s)));
        }
        addMedian(report, u"store_selection_1s"_s, pieces);
    }
    if (peaking) {
        const QString takeFile = dir.filePath(u"take.wav"_s);
        sound::saveWave(takeFile, take);
        Samples peaks;
        Samples loadedPeaks;
        bool agree = true;
        for (int i = 0; i < options.repeat; ++i) {
            Stopwatch clock;
            const std::vector<sound::PeakColumn> columns = sound::wavePeaks(take, kPeakColumns);
            peaks.store.push_back(clock.elapsedMicroseconds());
            clock.restart();
            sound::wavePeaks(sound::decodeSoundFile(takeFile), kPeakColumns);
            loadedPeaks.store.push_back(clock.elapsedMicroseconds());

            clock.restart();
            const std::vector<float> samples = rawRead(takeFile);
            const double read = clock.elapsedMicroseconds();
            clock.restart();
            const std::vector<sound::PeakColumn> rawColumns =
                rawPeaks(samples, take.format.channels);
            peaks.raw.push_back(clock.elapsedMicroseconds());
            agree = agree && rawColumns == columns;
            loadedPeaks.raw.push_back(read + peaks.raw.back());
        }
        if (!agree)
            QTextStream(stderr) << "warning: the peaks differ from libsndfile's" << Qt::endl;
        addMedian(report, u"wave_peaks"_s, peaks);
        addMedian(report, u"wave_load_peaks"_s, loadedPeaks);
    }
}

} // namespace bench
