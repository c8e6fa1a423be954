#pragma once
// The real implementations of the program's seams, on Qt.
#include "core/Servizi.h"
#include "platform/Interfacce.h"

#include <memory>

class QSoundEffect;

namespace numerella {

class MessaggiQt : public Messaggi
{
public:
    int mostra(const QString& testo, int stile, const QString& titolo) override;
};

class CicalinoQt : public Cicalino
{
public:
    void beep() override;
};

class AvviatoreQt : public Avviatore
{
public:
    bool avvia(const QString& programma) override;
};

class TerminazioneQt : public Terminazione
{
public:
    void terminaSubito() override;
    void nessunaFinestra() override;
};

class OrologioQt : public Orologio
{
public:
    float secondi() override;
    std::string data() override;
};

// Plays a WAVE file without waiting; the player is created on the first sound.
class SuonoQt : public Suono
{
public:
    SuonoQt();
    ~SuonoQt() override;
    void riproduci(const std::string& file) override;

private:
    std::unique_ptr<QSoundEffect> m_effetto;
};

// Style, quit rule and icon shared by the program and its window tests.
void preparaApplicazione();

} // namespace numerella
