#pragma once
// Everything a window needs from outside itself, handed to each window at construction.
#include "core/Modulo1.h"
#include "core/Servizi.h"
#include "platform/Interfacce.h"
#include "platform/Stampante.h"

#include <string>

namespace numerella {

class GestoreFinestre;

struct Servizi
{
    Modulo1& registro;
    Orologio& orologio;
    FonteCasuale& caso;
    Suono& suono;
    Messaggi& messaggi;
    Cicalino& cicalino;
    Avviatore& avviatore;
    FabbricaStampante& stampanti;
    GestoreFinestre& finestre;
    std::string cartellaProgramma;
};

} // namespace numerella
