#pragma once
// One operation of the drill: drawing the two addends (livello), building the question (visualizza)
// and judging the answer (verifica). Each updates the practice record and returns what the exercise
// window must show, so the window only applies it.
#include "core/Modulo1.h"
#include "core/Servizi.h"

#include <string>

namespace numerella {

struct ContestoDrill
{
    Orologio& orologio;
    FonteCasuale& caso;
    Suono& suono;
    std::string cartellaProgramma; // folder of the program; the chime is cartellaProgramma + "/positivo.wav"
};

// The exercise window's own variables; a new window object starts with these values.
struct StatoOperativo
{
    std::string MarcaErrore;
    bool Ripartenza = false;
    bool giudicata = false; // the operation on screen has already been judged
};

inline const std::string kDigitaIlRisultato = " Digita il risultato";
inline const std::string kEsatto = "E S A T T O";
inline const std::string kErrato = "E R R A T O";
inline const std::string kIstruzioneNuovoEsercizio = "Clicca sul pulsante Nuovo esercizio";
inline const std::string kIstruzioneNuovaOperazione = "Clicca sul pulsante Nuova sottrazione";
inline const std::string kIstruzioneVerifica = "Clicca sul pulsante Verifica";
inline constexpr int kStileFinePratica = 68; // Yes/No with the information icon

// Left edges, in twips inside the question frame, of the three places of the question row.
inline constexpr int kPostoSinistro = 100;
inline constexpr int kPostoCentrale = 4000;
inline constexpr int kPostoDestro = 8000;

// Draws Addendo1 and Addendo2 for the range code Fascia and sets the pads Spazio1 and Spazio2.
void livello(Modulo1& r, ContestoDrill& c);

struct Domanda
{
    bool disegnata = false;       // false when the mode allows no valid shape: labels and places stay as they were
    std::string numero1, numero2; // captions of LblNumero1 and LblNumero2
    int sinistraNumero1 = 0, sinistraNumero2 = 0, sinistraRisultato = 0; // left edges in twips
};

// Draws the shape within FormaMin..FormaMax, sets Somma, RispostaEsatta, SpazioSomma, the question half
// of ElencoOperazioni(NumeroOperazione) and TempoInizio. The window then empties the answer box and
// LblEsito and shows kDigitaIlRisultato.
Domanda visualizza(Modulo1& r, StatoOperativo& s, ContestoDrill& c);

struct Verdetto
{
    bool giudicata = false; // false: the operation was judged before; nothing changed and nothing is to be shown
    bool esatta = false;
    std::string esito;          // kEsatto or kErrato
    int immagine = 0;           // face to show: 1..10 smiling, 11..20 sad; 0 none
    bool fineEsercizio = false; // the tenth operation of the exercise
    std::string istruzione;
    std::string tempoParziale, tempoTotale; // captions of LblTempoParziale and LblTempoTotale
    bool abilitaMenu = false;               // enable mnuStampa and mnuAttestato
    bool finePratica = false; // ask Messaggio / TitoloMsg with kStileFinePratica, then call rispostaFinePratica
};

// Judges testoRisposta (the answer box's text) against RispostaEsatta, counts it, plays the chime
// for a right answer, times it and appends the answer half to the log line.
Verdetto verifica(Modulo1& r, StatoOperativo& s, const std::string& testoRisposta, ContestoDrill& c);

// The pupil's answer to the end-of-practice question (stored in RispostaMsg). No (7) empties log slots
// 1 to 40 and sets Ripartenza: the result is true when the load handler must run again.
bool rispostaFinePratica(Modulo1& r, StatoOperativo& s, int risposta);

} // namespace numerella
