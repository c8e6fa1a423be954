// Cost per call of the operand draw (livello) for each range code, and of one whole operation
// (livello, visualizza, verifica), with the clock frozen at one reading and the program's own random
// source. Range code 2 seeds the generator again before every attempt, all at the same reading.
#include "core/Drill.h"

#include <benchmark/benchmark.h>

using namespace numerella;

namespace {

class OrologioFermo : public Orologio
{
public:
    float secondi() override { return 36000.0f; }
    std::string data() override { return "11/12/26"; }
};

class SuonoMuto : public Suono
{
public:
    void riproduci(const std::string&) override {}
};

void livelloPerFascia(benchmark::State& stato)
{
    OrologioFermo orologio;
    CasualeMescolato caso;
    SuonoMuto suono;
    ContestoDrill c{orologio, caso, suono, "/p"};
    Modulo1 r;
    r.Fascia = stato.range(0);
    for (auto _ : stato) {
        livello(r, c);
        benchmark::DoNotOptimize(r.Addendo1);
        benchmark::DoNotOptimize(r.Addendo2);
    }
}
BENCHMARK(livelloPerFascia)->DenseRange(1, 6)->ArgName("fascia");

void operazioneIntera(benchmark::State& stato)
{
    OrologioFermo orologio;
    CasualeMescolato caso;
    SuonoMuto suono;
    ContestoDrill c{orologio, caso, suono, "/p"};
    Modulo1 r;
    StatoOperativo s;
    r.Fascia = stato.range(0);
    r.FormaMin = 1;
    r.FormaMax = 3;
    r.NumeroOperazione = 5;
    r.OperazioneN = 5;
    r.EsercizioN = 1;
    for (auto _ : stato) {
        livello(r, c);
        visualizza(r, s, c);
        r.Risposta = r.RispostaEsatta;
        const Verdetto v = verifica(r, s, r.Risposta, c);
        benchmark::DoNotOptimize(v.esatta);
    }
}
BENCHMARK(operazioneIntera)->DenseRange(1, 6)->ArgName("fascia");

} // namespace

BENCHMARK_MAIN();
