// Writes the short right-answer chime as a 16-bit mono WAVE file: two rising bell tones.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <vector>

namespace {
void scrivi16(std::ofstream& f, std::uint16_t v)
{
    f.put(char(v & 0xff)).put(char(v >> 8));
}
void scrivi32(std::ofstream& f, std::uint32_t v)
{
    scrivi16(f, std::uint16_t(v & 0xffff));
    scrivi16(f, std::uint16_t(v >> 16));
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: genera_suono OUTPUT.wav\n";
        return 2;
    }
    constexpr int frequenza = 22050;
    constexpr double pi = 3.14159265358979323846;
    struct Nota
    {
        double hz, inizio, durata;
    };
    const Nota note[] = {{783.99, 0.0, 0.35}, {1046.50, 0.12, 0.45}}; // G5 then C6
    const int campioni = int(frequenza * 0.6);
    std::vector<double> onda(campioni, 0.0);
    for (const Nota& n : note) {
        for (int i = int(n.inizio * frequenza); i < campioni; ++i) {
            const double t = double(i) / frequenza - n.inizio;
            if (t > n.durata)
                break;
            const double attacco = std::min(1.0, t / 0.005);
            const double inviluppo = attacco * std::exp(-t * 7.0);
            onda[i] += 0.35 * inviluppo * (std::sin(2 * pi * n.hz * t) + 0.3 * std::sin(4 * pi * n.hz * t));
        }
    }
    std::ofstream f(argv[1], std::ios::binary);
    if (!f) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    const std::uint32_t dati = std::uint32_t(campioni * 2);
    f.write("RIFF", 4);
    scrivi32(f, 36 + dati);
    f.write("WAVEfmt ", 8);
    scrivi32(f, 16);
    scrivi16(f, 1); // PCM
    scrivi16(f, 1); // mono
    scrivi32(f, frequenza);
    scrivi32(f, frequenza * 2);
    scrivi16(f, 2);
    scrivi16(f, 16);
    f.write("data", 4);
    scrivi32(f, dati);
    for (double v : onda) {
        const double c = std::max(-1.0, std::min(1.0, v));
        scrivi16(f, std::uint16_t(std::int16_t(std::lround(c * 32000))));
    }
    return f ? 0 : 1;
}
