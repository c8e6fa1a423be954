#pragma once
// The practice record: the one body of state that every window reads and writes. It lives as long
// as the program; at start every number is 0, every text empty and every variant empty.
#include "core/Variabili.h"

#include <cstdint>
#include <string>

namespace numerella {

struct Modulo1
{
    // Choices made on the start window.
    std::string NomeAlunno;     // as typed (UTF-8), at most 15 characters
    VarIntero NumeroMin;        // lower bound shown in texts
    std::int16_t NumeroMax = 0; // upper bound shown in texts
    VarIntero Fascia;           // range code 1 to 6
    VarIntero FormaMin;         // lowest question shape of the mode
    VarIntero FormaMax;         // highest question shape of the mode
    std::string ColoreTema;     // accent colour: decimal text of r + 256 g + 65536 b
    std::string TestoModo;      // caption of the mode of the last range choice (kept for the certificate)

    // The operation on screen.
    VarIntero Addendo1, Addendo2; // always whole numbers
    std::int16_t Forma = 0;
    std::int16_t Somma = 0;
    std::string RispostaEsatta;
    std::string Risposta;
    std::string Spazio1, Spazio2, SpazioSomma;
    std::string SpazioRisposta, SpazioTempo;

    // Counters of the practice.
    VarIntero NumeroOperazione;  // slot of the current operation, 1 to 40
    VarIntero OperazioneN;       // operation within the exercise, 1 to 10
    std::int16_t EsercizioN = 0; // exercise 1 to 4 (0 after the end of a practice)
    VarIntero EsatteEsercizio;
    std::int16_t ErrateEsercizio = 0;
    std::int16_t TotaleEsatte = 0;

    // Times, in seconds; the clock reads seconds since midnight.
    VarReale TempoInizio, TempoFine;
    VarIntero TempoParziale;
    std::string TestoTempoParziale;
    Slot<VarIntero, 0, 5> TempoEsercizio;
    Slot<std::string, 0, 5> TestoTempoEsercizio;

    // The operation log: slot k holds the line of operation k.
    Slot<std::string, 0, 45> ElencoOperazioni;

    // Certificate values.
    std::int16_t Voto = 0;
    std::string Giudizio;
    VarIntero LunghezzaNome;

    // Shared loop counter of the review window and the print-out.
    VarIntero Indice;

    // Message-box fields.
    std::string Messaggio;
    std::string TitoloMsg;
    std::int16_t StileMsg = 0;
    VarIntero RispostaMsg;
};

} // namespace numerella
