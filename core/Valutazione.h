#pragma once
// The grade of a practice: the share of right answers on a scale of 10, rounded down, and its word.
#include <cstdint>
#include <string>

namespace numerella {

inline constexpr const char* kNonClassificato = "Non classificato";

// The largest whole number not above (esatte x 10) / operazioni. With no operation there is nothing
// to grade: 0.
std::int16_t votoDi(std::int16_t esatte, long operazioni);

// "Non classificato" below 5 and above 10, then "SUFFICIENTE (!)", "SUFFICIENTE", "BUONO",
// "DISTINTO", "OTTIMO" for 5 to 10.
std::string giudizioDi(int voto);

} // namespace numerella
