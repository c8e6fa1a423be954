#include "core/Variabili.h"

namespace numerella {

std::string testo(long n)
{
    return std::to_string(n);
}

std::string Str(long n)
{
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

} // namespace numerella
