#pragma once
// The kinds of variable of the practice record: a number that is empty until first assigned and
// counts as 0 while empty, the two ways of writing a number as text, and fixed slot arrays whose
// index is always checked.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace numerella {

// A whole number that is empty until assigned; empty counts as 0 in arithmetic and comparisons.
class VarIntero
{
public:
    VarIntero() = default;
    VarIntero(long v) : m_valore(v) {}
    VarIntero& operator=(long v)
    {
        m_valore = v;
        return *this;
    }
    bool vuoto() const { return !m_valore.has_value(); }
    long valore() const { return m_valore.value_or(0); }
    operator long() const { return valore(); }
    void svuota() { m_valore.reset(); }

private:
    std::optional<long> m_valore;
};

// A single-precision reading (the clock) that is empty until assigned; empty counts as 0.
class VarReale
{
public:
    VarReale() = default;
    VarReale(float v) : m_valore(v) {}
    VarReale& operator=(float v)
    {
        m_valore = v;
        return *this;
    }
    bool vuoto() const { return !m_valore.has_value(); }
    float valore() const { return m_valore.value_or(0.0f); }
    operator float() const { return valore(); }

private:
    std::optional<float> m_valore;
};

// A number joined to a text: the digits alone ("7", "-7").
std::string testo(long n);
// The Str form: one leading blank before a number that is not negative (" 7"), the sign otherwise ("-7").
std::string Str(long n);

// Slots Primo..Ultimo, both included. An index outside them throws std::out_of_range.
template <class T, int Primo, int Ultimo> class Slot
{
public:
    static constexpr int primo = Primo;
    static constexpr int ultimo = Ultimo;
    static bool valido(long i) { return i >= Primo && i <= Ultimo; }
    T& operator()(long i) { return m_celle[indice(i)]; }
    const T& operator()(long i) const { return m_celle[indice(i)]; }

private:
    static std::size_t indice(long i)
    {
        if (!valido(i))
            throw std::out_of_range("slot " + std::to_string(i) + " outside " + std::to_string(Primo) + ".." +
                                    std::to_string(Ultimo));
        return std::size_t(i - Primo);
    }
    T m_celle[Ultimo - Primo + 1]{};
};

} // namespace numerella
