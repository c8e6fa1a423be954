#pragma once
// What the drill needs from the outside world. The program passes real implementations; tests pass fakes.
#include <cstdint>
#include <string>

namespace numerella {

class Orologio
{
public:
    virtual ~Orologio() = default;
    // Seconds since midnight.
    virtual float secondi() = 0;
    // Today's date as text in the system's short date form.
    virtual std::string data() = 0;
};

class FonteCasuale
{
public:
    virtual ~FonteCasuale() = default;
    // Seeds the generator with a clock reading. Seeding twice with the same reading never brings
    // back the same draws.
    virtual void semina(float lettura) = 0;
    // The next value r, 0 <= r < 1.
    virtual float prossimo() = 0;
};

class Suono
{
public:
    virtual ~Suono() = default;
    // Starts playing a WAVE file and returns at once. A missing file or no audio device means silence.
    virtual void riproduci(const std::string& file) = 0;
};

// The drill's default random source: seeding mixes the reading into the generator's running state.
class CasualeMescolato : public FonteCasuale
{
public:
    void semina(float lettura) override;
    float prossimo() override;

private:
    std::uint64_t m_stato = 0x9E3779B97F4A7C15ull;
};

} // namespace numerella
