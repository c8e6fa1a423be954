#pragma once
// A practice for the report tests: a log line different for every slot, and the four exercise times
// " 57", " 102", " 8" and an empty one (as after "ESCI" on the review window).
#include "Ambiente.h"
#include "core/Modulo1.h"
#include "platform/Interfacce.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace numerella::prova {

inline QString rigaDiProva(int k)
{
    return QStringLiteral(" %1 + %2 = ?  [%3]%4  %5Tp")
        .arg(k % 9 + 1)
        .arg(k)
        .arg(k + k % 9 + 1)
        .arg(k % 7 ? " " : "*")
        .arg(k % 5 + 2);
}

// Fills log slots 1 to n with rigaDiProva and sets the four exercise times; NumeroOperazione becomes n.
template <class Riga> void riempiPratica(Modulo1& r, int n, Riga riga)
{
    r.NumeroOperazione = n;
    for (int k = 1; k <= n; ++k)
        r.ElencoOperazioni(k) = riga(k).toStdString();
    const char* tempi[] = {" 57", " 102", " 8", ""};
    for (int k = 1; k <= 4; ++k)
        r.TestoTempoEsercizio(k) = tempi[k - 1];
}
inline void riempiPratica(Modulo1& r, int n)
{
    riempiPratica(r, n, rigaDiProva);
}

// Message boxes that only note their texts and answer OK: for the printer layer, which talks to the
// pupil directly.
class MessaggiRegistrati : public Messaggi
{
public:
    QStringList testi;
    int mostra(const QString& testo, int, const QString&) override
    {
        testi.append(testo);
        return Ok;
    }
};

// The test environment's services with a real printer layer and its own message boxes in place of the
// fakes; the window manager is switched over to them.
inline std::unique_ptr<Servizi> serviziConStampante(Ambiente& env, Messaggi& messaggi, FabbricaStampante& stampanti)
{
    auto servizi = std::make_unique<Servizi>(Servizi{env.registro,
                                                     env.orologio,
                                                     env.caso,
                                                     env.suono,
                                                     messaggi,
                                                     env.cicalino,
                                                     env.avviatore,
                                                     stampanti,
                                                     env.finestre,
                                                     {}});
    env.finestre.impostaServizi(*servizi);
    return servizi;
}

} // namespace numerella::prova
