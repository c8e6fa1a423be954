#include "core/Flusso.h"

namespace numerella {

std::string iniziaPratica(Modulo1& r)
{
    r.NumeroOperazione = 1;
    r.TotaleEsatte = 0;
    r.EsercizioN = 1;
    r.OperazioneN = 1;
    r.TempoEsercizio(1) = 0;
    r.ErrateEsercizio = 0;
    r.EsatteEsercizio = 0;
    return " Operazione con numero massimo da " + testo(r.NumeroMin) + " a " + testo(r.NumeroMax);
}

void preparaRipartenza(Modulo1& r)
{
    r.EsercizioN = 0;
    r.NumeroOperazione = 0;
}

void nuovoEsercizio(Modulo1& r)
{
    r.EsercizioN = std::int16_t(r.EsercizioN + 1);
    r.NumeroOperazione = r.NumeroOperazione + 1;
    r.OperazioneN = 1;
    r.TempoParziale = 0;
    r.TempoEsercizio(r.EsercizioN) = 0;
    r.TestoTempoParziale.clear();
    r.TestoTempoEsercizio(r.EsercizioN).clear();
    r.EsatteEsercizio = 0;
    r.ErrateEsercizio = 0;
}

void prossimaOperazione(Modulo1& r)
{
    r.Risposta.clear();
    r.NumeroOperazione = r.NumeroOperazione + 1;
    r.OperazioneN = r.OperazioneN + 1;
}

bool praticaConclusa(const Modulo1& r)
{
    return r.EsercizioN == 0 && r.NumeroOperazione >= 40;
}

} // namespace numerella
