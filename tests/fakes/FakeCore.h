#pragma once
// Fakes of the drill's seams, in plain C++: a clock set by hand, scripted random values, a recorder of sounds.
#include "core/Servizi.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace numerella::prova {

class OrologioFinto : public Orologio
{
public:
    float ora = 36000.0f; // 10:00:00
    std::string oggi = "11/12/26";
    float secondi() override { return ora; }
    std::string data() override { return oggi; }
};

// Hands out the scripted values in order; once they run out, a fixed pseudo-random sequence.
class CasualeFinto : public FonteCasuale
{
public:
    std::deque<float> valori;
    std::vector<float> semi;
    void semina(float lettura) override { semi.push_back(lettura); }
    float prossimo() override
    {
        if (!valori.empty()) {
            const float v = valori.front();
            valori.pop_front();
            return v;
        }
        m_stato = m_stato * 6364136223846793005ull + 1442695040888963407ull;
        return float(m_stato >> 40) / float(1ull << 24);
    }
    // The value r that makes floor(n * r) + base equal to numero.
    static float per(int numero, int n, int base = 0) { return (float(numero - base) + 0.5f) / float(n); }

private:
    unsigned long long m_stato = 12345;
};

class SuonoFinto : public Suono
{
public:
    std::vector<std::string> suonati;
    void riproduci(const std::string& file) override { suonati.push_back(file); }
};

} // namespace numerella::prova
