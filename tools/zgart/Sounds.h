// The five short sounds of the catalog program, synthesised as 16-bit mono
// PCM wave files at 22050 Hz.
#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace zgart {

constexpr int SampleRate = 22050;

// A complete RIFF/WAVE file (PCM, 16 bits, one channel) holding `samples`.
QByteArray waveFile(const std::vector<int16_t>& samples, int rate = SampleRate);

struct Sound {
    QString fileName;
    std::vector<int16_t> samples;
};
std::vector<Sound> catalogSounds();

// Writes every sound into `dir`; false with `error` filled on failure.
bool writeSounds(const QString& dir, QString* error);

} // namespace zgart
