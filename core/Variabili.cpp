#include "core/Variabili.h"

namespace numerella {

std::string testo(long n)
{
    return std::to_string(n);
}

std::string Str(long n)
{
    std::string s(n < 0 ? 0 : 1, ' ');
    s += std::to_string(n);
    return s;
}

} // namespace numerella
