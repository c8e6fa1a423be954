#pragma once
// The record side of the exercise flow: start of a practice, a new exercise, the next operation.
#include "core/Modulo1.h"

#include <string>

namespace numerella {

// Load handler: counters of a new practice (operation, exercise and operation-in-exercise 1; totals 0;
// time of exercise 1 zero). Returns the caption of the range line.
std::string iniziaPratica(Modulo1& r);

// Load handler of a restart: brings the counters to 0 so that "Nuovo esercizio" brings them to 1.
void preparaRipartenza(Modulo1& r);

// "Nuovo esercizio": next exercise and operation slot, operation 1, the exercise's time and counters cleared.
void nuovoEsercizio(Modulo1& r);

// Next operation of the exercise.
void prossimaOperazione(Modulo1& r);

// True when the practice has been finished (its fortieth operation judged, the review chosen) and a
// further "Nuovo esercizio" must start a new practice rather than write past the log.
bool praticaConclusa(const Modulo1& r);

} // namespace numerella
