#pragma once

#include "sound/audiodevice.h"

#include <QPointer>

#include <algorithm>
#include <memory>
#include <vector>

// The audio device for window tests: a play stands where the test moves it and ends when the
// test says; a capture hears the samples the test gives it.
class ScriptedAudioDevice : public sound::AudioDevice {
public:
    void startPlayback(const sound::PcmSound& sound, qint64 fromByte, qint64 toByte) override {
        m_format = sound.format;
        m_from = fromByte;
        m_to = toByte;
        m_played = 0;
    }
    void stopPlayback() override {}
    qint64 playedBytes() const override { return m_played; }
    void startCapture(const sound::WaveFormat&) override { m_capturing = true; }
    QByteArray stopCapture() override {
        m_capturing = false;
        return std::exchange(heard, {});
    }
    qint64 capturedBytes() const override { return m_capturing ? heard.size() : 0; }

    // The running play has been heard up to this time of the sound.
    void playTo(qint64 ms) {
        m_played = std::clamp(m_format.bytesForMs(ms) - m_from, 0LL, m_to - m_from);
    }
    void finishPlayback() {
        m_played = m_to - m_from;
        emit playbackFinished();
    }

    QByteArray heard; // what the running or next capture hears

private:
    sound::WaveFormat m_format;
    qint64 m_from = 0;
    qint64 m_to = 0;
    qint64 m_played = 0;
    bool m_capturing = false;
};

// Makes the windows' devices and keeps them within reach, the newest last.
class ScriptedAudio {
public:
    std::unique_ptr<sound::AudioDevice> make() {
        auto device = std::make_unique<ScriptedAudioDevice>();
        m_devices.emplace_back(device.get());
        return device;
    }
    ScriptedAudioDevice& newest() { return *m_devices.back(); }

private:
    std::vector<QPointer<ScriptedAudioDevice>> m_devices;
};
