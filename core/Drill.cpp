#include "core/Drill.h"

#include <cmath>

namespace numerella {

namespace {

constexpr double kSecondiAlGiorno = 86400.0;

// floor(n * r) + base for the next random value r.
long pesca(FonteCasuale& caso, int n, int base)
{
    return long(std::floor(double(n) * double(caso.prossimo()))) + base;
}

struct Ricetta
{
    int n1, base1, n2, base2;
    long minima, massima; // accepted sums, both included
    bool risemina;        // seed again from the clock before every attempt
};

// The draw of each range code: two uniform whole numbers, drawn again until their sum is accepted.
const Ricetta* ricetta(long fascia)
{
    static const Ricetta ricette[] = {
        {10, 1, 10, 0, 0, 9, false},     // 1: sums 1 to 9
        {20, 1, 20, 0, 0, 19, true},     // 2: sums 1 to 19, reseeded at every attempt
        {20, 1, 20, 0, 10, 20, false},   // 3: sums 10 to 20
        {15, 5, 15, 5, 10, 40, false},   // 4: every pair accepted
        {40, 20, 40, 20, 40, 90, false}, // 5: sums 40 to 90
        {45, 5, 45, 5, 10, 99, false},   // 6: every pair accepted
    };
    if (fascia < 1 || fascia > 6)
        return nullptr;
    return &ricette[fascia - 1];
}

std::string spazioPer(long numero)
{
    return numero < 10 ? " " : "";
}

// Length in characters of a UTF-8 text.
std::size_t caratteri(const std::string& s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

} // namespace

void livello(Modulo1& r, ContestoDrill& c)
{
    c.caso.semina(c.orologio.secondi());
    if (const Ricetta* x = ricetta(r.Fascia)) {
        for (;;) {
            if (x->risemina)
                c.caso.semina(c.orologio.secondi());
            r.Addendo1 = pesca(c.caso, x->n1, x->base1);
            r.Addendo2 = pesca(c.caso, x->n2, x->base2);
            const long somma = r.Addendo1 + r.Addendo2;
            if (somma >= x->minima && somma <= x->massima)
                break;
        }
    }
    r.Spazio1 = spazioPer(r.Addendo1);
    r.Spazio2 = spazioPer(r.Addendo2);
}

Domanda visualizza(Modulo1& r, StatoOperativo& s, ContestoDrill& c)
{
    Domanda d;
    const long formaMin = r.FormaMin;
    const long formaMax = r.FormaMax;
    r.Forma = std::int16_t(formaMin + long(std::floor(double(c.caso.prossimo()) * double(formaMax - formaMin + 1))));

    const long a1 = r.Addendo1;
    const long a2 = r.Addendo2;
    const long somma = a1 + a2;
    std::string riga;
    switch (r.Forma) {
    case 1: // a1 + a2 = [ ]
        d.numero1 = testo(a1);
        d.numero2 = testo(a2);
        r.Somma = std::int16_t(somma);
        d.sinistraNumero1 = kPostoSinistro;
        d.sinistraNumero2 = kPostoCentrale;
        d.sinistraRisultato = kPostoDestro;
        riga = r.Spazio1 + testo(a1) + " + " + r.Spazio2 + testo(a2) + " =  ?";
        break;
    case 2: // [ ] + a1 = sum
    case 3: // a1 + [ ] = sum
        d.numero1 = testo(a1);
        d.numero2 = testo(somma);
        r.Somma = std::int16_t(a2);
        r.SpazioSomma = spazioPer(somma);
        if (r.Forma == 2) {
            d.sinistraRisultato = kPostoSinistro;
            d.sinistraNumero1 = kPostoCentrale;
            riga = " ? + " + r.Spazio1 + testo(a1) + " = " + r.SpazioSomma + testo(somma);
        } else {
            d.sinistraNumero1 = kPostoSinistro;
            d.sinistraRisultato = kPostoCentrale;
            riga = r.Spazio1 + testo(a1) + " +  ? = " + r.SpazioSomma + testo(somma);
        }
        d.sinistraNumero2 = kPostoDestro;
        break;
    default: // no mode gives another shape: the question on screen stays as it was
        break;
    }
    if (r.Forma >= 1 && r.Forma <= 3) {
        d.disegnata = true;
        r.RispostaEsatta = testo(r.Somma);
        r.ElencoOperazioni(r.NumeroOperazione) = riga;
    }
    // The answer box is emptied for the new question.
    r.Risposta.clear();
    s.giudicata = false;
    r.TempoInizio = c.orologio.secondi();
    return d;
}

Verdetto verifica(Modulo1& r, StatoOperativo& s, const std::string& testoRisposta, ContestoDrill& c)
{
    Verdetto v;
    // An operation is judged once: pressing Enter again must not count the same answer twice.
    if (s.giudicata)
        return v;
    s.giudicata = true;
    v.giudicata = true;

    v.esatta = r.Risposta == r.RispostaEsatta;
    if (v.esatta) {
        c.suono.riproduci(c.cartellaProgramma + "/positivo.wav");
        v.esito = kEsatto;
        r.EsatteEsercizio = r.EsatteEsercizio + 1;
        r.TotaleEsatte = std::int16_t(r.TotaleEsatte + 1);
        s.MarcaErrore = " ";
        const long k = r.EsatteEsercizio;
        v.immagine = (k >= 1 && k <= 10) ? int(k) : 0;
    } else {
        v.esito = kErrato;
        r.ErrateEsercizio = std::int16_t(r.ErrateEsercizio + 1);
        s.MarcaErrore = "*";
        const long k = r.ErrateEsercizio;
        v.immagine = (k >= 1 && k <= 10) ? int(10 + k) : 0;
    }

    v.fineEsercizio = r.OperazioneN == 10;
    v.istruzione = v.fineEsercizio ? kIstruzioneNuovoEsercizio : kIstruzioneNuovaOperazione;

    r.TempoFine = c.orologio.secondi();
    double trascorsi = double(r.TempoFine.valore()) - double(r.TempoInizio.valore());
    // The clock starts again at midnight: a question shown before it and answered after it.
    if (trascorsi < 0)
        trascorsi += kSecondiAlGiorno;
    r.TempoParziale = long(std::floor(trascorsi));
    r.TestoTempoParziale = Str(r.TempoParziale);
    VarIntero& tempoEsercizio = r.TempoEsercizio(r.EsercizioN);
    tempoEsercizio = tempoEsercizio + r.TempoParziale;
    r.TestoTempoEsercizio(r.EsercizioN) = Str(tempoEsercizio);
    v.tempoParziale = r.TempoParziale <= 99 ? r.TestoTempoParziale : "99";
    v.tempoTotale = tempoEsercizio <= 999 ? r.TestoTempoEsercizio(r.EsercizioN) : "999";

    switch (caratteri(testoRisposta)) {
    case 1:
        r.SpazioRisposta = "   ";
        break;
    case 2:
        r.SpazioRisposta = "  ";
        break;
    case 3:
        r.SpazioRisposta = " ";
        break;
    default: // an empty box keeps the pad of the previous check
        break;
    }
    r.SpazioTempo = r.TempoParziale < 10 ? " " : "";
    r.ElencoOperazioni(r.NumeroOperazione) +=
        r.SpazioRisposta + "(" + testoRisposta + ")" + s.MarcaErrore + r.SpazioTempo + r.TestoTempoParziale + " Tp";

    v.abilitaMenu = r.NumeroOperazione > 10;
    if (r.NumeroOperazione == 40) {
        v.finePratica = true;
        r.EsercizioN = 0;
        const std::string a_capo(1, char(13));
        r.Messaggio = "Hai eseguito 4 esercizi.      " + a_capo + a_capo + "Vuoi visualizzare le operazioni eseguite?" +
                      a_capo + "(Se rispondi NO l'esercizio sar\u00e0 perso)";
        r.TitoloMsg = "FINE ESERCITAZIONE";
    }
    return v;
}

bool rispostaFinePratica(Modulo1& r, StatoOperativo& s, int risposta)
{
    r.RispostaMsg = risposta;
    if (risposta != 7)
        return false;
    for (long k = 1; k <= 40; ++k)
        r.ElencoOperazioni(k).clear();
    s.Ripartenza = true;
    return true;
}

} // namespace numerella
