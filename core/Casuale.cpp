#include "core/Servizi.h"

#include <bit>
#include <cstdint>

namespace numerella {

namespace {
// splitmix64: a full-period step with good mixing of its state.
std::uint64_t passo(std::uint64_t& stato)
{
    std::uint64_t z = (stato += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

void CasualeMescolato::semina(float lettura)
{
    // The reading is mixed into the running state instead of replacing it, so a second seeding with
    // the same reading (within one tick of the clock) leads on to new draws.
    std::uint64_t stato = m_stato ^ (std::uint64_t(std::bit_cast<std::uint32_t>(lettura)) << 17);
    m_stato = passo(stato);
}

float CasualeMescolato::prossimo()
{
    // 24 random bits give every float in [0, 1) on a grid of 2^-24, never 1.
    return float(passo(m_stato) >> 40) * (1.0f / 16777216.0f);
}

} // namespace numerella
