#include "core/Valutazione.h"

namespace numerella {

std::int16_t votoDi(std::int16_t esatte, long operazioni)
{
    if (operazioni <= 0)
        return 0;
    // The product stays in 16 bits, as the record's counters do; the fraction is kept until the end.
    const auto prodotto = static_cast<std::int16_t>(esatte * 10);
    const long intero = prodotto / operazioni;
    const bool resto = prodotto % operazioni != 0;
    // Towards minus infinity, also for a negative product.
    return static_cast<std::int16_t>((resto && ((prodotto < 0) != (operazioni < 0))) ? intero - 1 : intero);
}

std::string giudizioDi(int voto)
{
    switch (voto) {
    case 5:
        return "SUFFICIENTE (!)";
    case 6:
        return "SUFFICIENTE";
    case 7:
        return "BUONO";
    case 8:
        return "DISTINTO";
    case 9:
    case 10:
        return "OTTIMO";
    default:
        return kNonClassificato;
    }
}

} // namespace numerella
