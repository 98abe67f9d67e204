// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesises the games' sound cues as PCM wave files. Run from the source tree:
//   build/tools/gensounds resources/sounds
// The output is committed; the generator is deterministic, so running it again gives the same bytes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Wave {
    int rate;
    int bits;
    double seconds;
    std::function<double(double t, double length)> sample;  // -1 .. 1
};

void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(v & 0xff);
    b.push_back((v >> 8) & 0xff);
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

bool write(const std::string& path, const Wave& w) {
    const uint32_t frames = static_cast<uint32_t>(std::lround(w.rate * w.seconds));
    const uint32_t bytesPerSample = w.bits / 8;
    std::vector<uint8_t> data;
    for (uint32_t i = 0; i < frames; ++i) {
        double s = w.sample(static_cast<double>(i) / w.rate, w.seconds);
        s = std::fmax(-1.0, std::fmin(1.0, s));
        if (w.bits == 8) {
            data.push_back(static_cast<uint8_t>(std::lround(128 + s * 127)));
        } else {
            put16(data, static_cast<uint16_t>(static_cast<int16_t>(std::lround(s * 32767))));
        }
    }
    std::vector<uint8_t> file;
    file.insert(file.end(), {'R', 'I', 'F', 'F'});
    put32(file, 36 + static_cast<uint32_t>(data.size()));
    file.insert(file.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(file, 16);
    put16(file, 1);  // PCM
    put16(file, 1);  // mono
    put32(file, w.rate);
    put32(file, w.rate * bytesPerSample);
    put16(file, bytesPerSample);
    put16(file, w.bits);
    file.insert(file.end(), {'d', 'a', 't', 'a'});
    put32(file, static_cast<uint32_t>(data.size()));
    file.insert(file.end(), data.begin(), data.end());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

// Repeatable noise.
double noise(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return ((state >> 8) & 0xffff) / 32767.5 - 1.0;
}

double envelope(double t, double length, double attack) {
    if (t < attack) return t / attack;
    return std::exp(-4.0 * (t - attack) / length);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : "resources/sounds";
    uint32_t seed = 12345;
    uint32_t seed2 = 777;

    const Wave click{44100, 8, 0.007,
                     [](double t, double len) { return std::sin(2 * kPi * 1800 * t) * (1.0 - t / len); }};
    // A bright falling zap.
    const Wave laser{22050, 16, 0.48, [](double t, double len) {
                         const double f = 2400 * std::exp(-3.0 * t / len) + 300;
                         const double phase =
                             2 * kPi * (300 * t + 2400 * len / 3.0 * (1 - std::exp(-3.0 * t / len)));
                         (void)f;
                         return 0.6 * std::sin(phase) * envelope(t, len, 0.005);
                     }};
    // Two zaps a fifth apart, the second a little later.
    const Wave doubleLaser{22050, 16, 0.58, [](double t, double len) {
                               auto zap = [&](double start, double base) {
                                   const double u = t - start;
                                   if (u < 0) return 0.0;
                                   const double l = len - start;
                                   const double phase =
                                       2 * kPi * (300 * u + base * l / 3.0 * (1 - std::exp(-3.0 * u / l)));
                                   return std::sin(phase) * envelope(u, l, 0.005);
                               };
                               return 0.4 * zap(0.0, 2400) + 0.4 * zap(0.09, 3600);
                           }};
    // A low rumble of filtered noise with a thump.
    double lowpass = 0;
    const Wave bomb{22050, 16, 0.99, [&](double t, double len) {
                        lowpass += 0.08 * (noise(seed) - lowpass);
                        const double thump = std::sin(2 * kPi * (90 - 40 * t) * t) * std::exp(-6 * t);
                        return (0.9 * lowpass * 3 + 0.6 * thump) * envelope(t, len, 0.003);
                    }};
    // A rising four-note arpeggio.
    const Wave levelDone{5500, 8, 0.64, [](double t, double len) {
                             static const double notes[] = {523.25, 659.25, 783.99, 1046.5};
                             const int i = std::min(3, static_cast<int>(t / (len / 4)));
                             const double u = t - i * len / 4;
                             return 0.7 * (std::sin(2 * kPi * notes[i] * t) > 0 ? 1 : -1) * 0.5 *
                                    std::exp(-3 * u / (len / 4));
                         }};
    // A soft bubbling blip.
    const Wave mix{11025, 8, 0.20, [&](double t, double len) {
                       const double f = 500 + 700 * t / len + 60 * std::sin(2 * kPi * 30 * t);
                       return 0.7 * std::sin(2 * kPi * f * t) * std::sin(kPi * t / len) + 0.02 * noise(seed2);
                   }};

    bool ok = write(dir + "/shared_101.wav", click);
    ok = write(dir + "/zephlon_103.wav", laser) && ok;
    ok = write(dir + "/zephlon_104.wav", doubleLaser) && ok;
    ok = write(dir + "/zephlon_105.wav", bomb) && ok;
    ok = write(dir + "/zephlon_106.wav", levelDone) && ok;
    ok = write(dir + "/vantorel_102.wav", mix) && ok;
    if (!ok) std::fprintf(stderr, "could not write the sounds into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
