#pragma once
// Seams for what the outside world does: message boxes, the beep, starting another program,
// ending the program. The program uses the Qt implementations; tests use scripted fakes.
#include <QString>

namespace numerella {

// Modal message boxes. A line break in the text is the character 13.
class Messaggi
{
public:
    enum Stile
    {
        SoloOk = 0,
        SiNoInformazione = 68
    };
    enum Risposta
    {
        Ok = 1,
        Si = 6,
        No = 7
    };
    virtual ~Messaggi() = default;
    // Shows the box and returns the pressed button: 1 (OK), 6 (Yes) or 7 (No). An empty title means
    // the application's own title.
    virtual int mostra(const QString& testo, int stile = SoloOk, const QString& titolo = {}) = 0;
};

class Cicalino
{
public:
    virtual ~Cicalino() = default;
    virtual void beep() = 0;
};

class Avviatore
{
public:
    virtual ~Avviatore() = default;
    // Starts a program by bare file name (searched on PATH), without waiting. False when it cannot start.
    virtual bool avvia(const QString& programma) = 0;
};

class Terminazione
{
public:
    virtual ~Terminazione() = default;
    // Ends the whole program at once: no window's closing handler runs.
    virtual void terminaSubito() = 0;
    // The last window has been unloaded: the program ends.
    virtual void nessunaFinestra() = 0;
};

} // namespace numerella
