#pragma once
// Everything a window test needs: a fresh practice record, the fakes, the window manager and the
// services that join them. Register the windows under test with `registra`.
#include "FakeCore.h"
#include "FakePlatform.h"
#include "FakePrinter.h"
#include "core/Modulo1.h"
#include "platform/Finestra.h"
#include "platform/GestoreFinestre.h"
#include "platform/Servizi.h"

#include <QCoreApplication>
#include <QEvent>

namespace numerella::prova {

struct Ambiente
{
    Modulo1 registro;
    OrologioFinto orologio;
    CasualeFinto caso;
    SuonoFinto suono;
    MessaggiFinti messaggi;
    CicalinoFinto cicalino;
    AvviatoreFinto avviatore;
    FabbricaStampanteFinta stampanti;
    TerminazioneFinta terminazione;
    GestoreFinestre finestre{terminazione};
    Servizi servizi{registro, orologio,  caso,      suono,    messaggi,
                    cicalino, avviatore, stampanti, finestre, "/cartella/del/programma"};

    Ambiente() { finestre.impostaServizi(servizi); }
    ~Ambiente() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <class W> void registra(const QString& nome)
    {
        finestre.registra(nome, [](Servizi& s) -> Finestra* { return new W(s); });
    }
    // Deletes the window objects that an unload discarded.
    static void eliminaScaricate() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace numerella::prova
