#include "Sounds.h"

#include <QDir>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <functional>

namespace zgart {

QByteArray waveFile(const std::vector<int16_t>& samples, int rate)
{
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    auto u32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF", 4);
    u32(36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    u32(16);                 // size of the format chunk
    u16(1);                  // PCM
    u16(1);                  // one channel
    u32(quint32(rate));      // samples a second
    u32(quint32(rate) * 2);  // bytes a second
    u16(2);                  // bytes a sample frame
    u16(16);                 // bits a sample
    out.append("data", 4);
    u32(dataBytes);
    for (int16_t s : samples)
        u16(quint16(s));
    return out;
}

namespace {

// A fixed-seed noise source, so every build makes the same sounds.
class Noise {
public:
    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return double(state_) / 2147483648.0 - 1.0;
    }

private:
    uint32_t state_ = 0x2545F491u;
};

// Renders f(t) for `seconds`, scales the loudest sample to `peak` of full
// scale and fades the first and last 2 ms so the ends make no click.
std::vector<int16_t> render(double seconds, double peak, const std::function<double(double)>& f)
{
    const int n = int(std::lround(seconds * SampleRate));
    std::vector<double> v(static_cast<size_t>(n));
    double loudest = 1e-9;
    for (int i = 0; i < n; ++i) {
        v[size_t(i)] = f(double(i) / SampleRate);
        loudest = std::max(loudest, std::abs(v[size_t(i)]));
    }
    const int fade = SampleRate * 2 / 1000;
    std::vector<int16_t> out(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        double g = peak / loudest;
        if (i < fade)
            g *= double(i) / fade;
        if (n - 1 - i < fade)
            g *= double(n - 1 - i) / fade;
        out[size_t(i)] = int16_t(std::lround(std::clamp(v[size_t(i)] * g, -1.0, 1.0) * 32767));
    }
    return out;
}

double sine(double hz, double t) { return std::sin(2 * M_PI * hz * t); }

// Two quick dry clicks.
std::vector<int16_t> clickz()
{
    Noise noise;
    return render(0.09, 0.8, [&noise](double t) {
        double v = 0;
        for (double start : {0.0, 0.042}) {
            const double u = t - start;
            if (u >= 0)
                v += std::exp(-u / 0.0015) * noise.next() + std::exp(-u / 0.004) * sine(2300, u);
        }
        return v;
    });
}

// A short hiss that fades quickly.
std::vector<int16_t> ftz()
{
    Noise noise;
    double last = 0;
    return render(0.16, 0.6, [&](double t) {
        const double n = noise.next();
        const double high = n - last; // first difference: keeps the high part of the noise
        last = n;
        return std::min(1.0, t / 0.01) * std::exp(-t / 0.045) * high;
    });
}

// Two falling buzzy tones: "no-no".
std::vector<int16_t> noNo()
{
    auto buzz = [](double hz, double t) { return sine(hz, t) + sine(3 * hz, t) / 3 + sine(5 * hz, t) / 5; };
    auto gate = [](double u, double len) {
        if (u < 0 || u > len)
            return 0.0;
        return std::min({1.0, u / 0.008, (len - u) / 0.03});
    };
    return render(0.5, 0.7, [&](double t) {
        return gate(t, 0.2) * buzz(330, t) + gate(t - 0.26, 0.2) * buzz(247, t - 0.26);
    });
}

// One sharp snap with a short ring and a low thump.
std::vector<int16_t> snap()
{
    Noise noise;
    return render(0.08, 0.85, [&noise](double t) {
        return 1.2 * std::exp(-t / 0.002) * noise.next() + 0.6 * std::exp(-t / 0.012) * sine(1250, t) +
               0.5 * std::exp(-t / 0.02) * sine(170, t);
    });
}

// Noise through a resonator whose pitch sweeps upwards: a swish.
std::vector<int16_t> swish()
{
    Noise noise;
    double y1 = 0, y2 = 0;
    constexpr double T = 0.32, r = 0.965;
    return render(T, 0.7, [&](double t) {
        const double hz = 500 * std::pow(4500.0 / 500.0, t / T);
        const double w = 2 * M_PI * hz / SampleRate;
        const double y = (1 - r) * noise.next() + 2 * r * std::cos(w) * y1 - r * r * y2;
        y2 = y1;
        y1 = y;
        const double shape = std::sin(M_PI * t / T);
        return shape * shape * y;
    });
}

} // namespace

std::vector<Sound> catalogSounds()
{
    return {
        {QStringLiteral("ZorvaneClickz.wav"), clickz()}, {QStringLiteral("ZorvaneFtz.wav"), ftz()},
        {QStringLiteral("ZorvaneNoNo.wav"), noNo()},     {QStringLiteral("ZorvaneSnap.wav"), snap()},
        {QStringLiteral("ZorvaneSwish.wav"), swish()},
    };
}

bool writeSounds(const QString& dir, QString* error)
{
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("cannot create %1").arg(dir);
        return false;
    }
    for (const Sound& s : catalogSounds()) {
        QSaveFile file(dir + QLatin1Char('/') + s.fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(waveFile(s.samples)) < 0 || !file.commit()) {
            *error = QStringLiteral("cannot write %1").arg(file.fileName());
            return false;
        }
    }
    return true;
}

} // namespace zgart
