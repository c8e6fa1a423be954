// Prints a sample operations sheet and a sample certificate of a whole practice to two PDF files:
//   stampe_esempio FOGLIO.pdf ATTESTATO.pdf
// The practice is played by the drill itself, with a clock that ticks a few seconds per answer.
#include "Ambiente.h"
#include "core/Drill.h"
#include "core/Flusso.h"
#include "platform/ServiziQt.h"
#include "platform/StampanteQt.h"
#include "windows/reports/FrmAttestato.h"
#include "windows/reports/FrmStampa.h"

#include <QApplication>
#include <QPushButton>
#include <cstdio>

using namespace numerella;
using namespace numerella::prova;

namespace {

class MessaggiSuStderr : public Messaggi
{
public:
    int mostra(const QString& testo, int, const QString&) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(testo));
        return Ok;
    }
};

void giocaPratica(Ambiente& env)
{
    Modulo1& r = env.registro;
    r.NomeAlunno = "giulia";
    r.NumeroMin = 1;
    r.NumeroMax = 20;
    r.Fascia = 2;
    r.FormaMin = 1;
    r.FormaMax = 3;
    r.TestoModo = " Calcola la somma o gli addendi";
    ContestoDrill c{env.orologio, env.caso, env.suono, "/cartella/del/programma"};
    StatoOperativo stato;
    iniziaPratica(r);
    for (int n = 1; n <= 40; ++n) {
        livello(r, c);
        visualizza(r, stato, c);
        env.orologio.ora += float(3 + n % 7);
        const bool sbaglia = n % 9 == 4;
        const std::string risposta = sbaglia ? std::to_string(std::stoi(r.RispostaEsatta) + 1) : r.RispostaEsatta;
        r.Risposta = risposta; // as typing it in the answer box does
        const Verdetto v = verifica(r, stato, risposta, c);
        if (v.fineEsercizio && n < 40)
            nuovoEsercizio(r);
        else if (!v.fineEsercizio)
            prossimaOperazione(r);
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    preparaApplicazione();
    if (argc != 3) {
        std::fprintf(stderr, "use: stampe_esempio FOGLIO.pdf ATTESTATO.pdf\n");
        return 2;
    }
    Ambiente env;
    MessaggiSuStderr messaggi;
    FabbricaStampanteQt fabbrica(messaggi);
    Servizi servizi{env.registro, env.orologio,  env.caso, env.suono,    messaggi,
                    env.cicalino, env.avviatore, fabbrica, env.finestre, {}};
    env.finestre.impostaServizi(servizi);
    env.registra<FrmStampa>(QStringLiteral("FrmStampa"));
    env.registra<FrmAttestato>(QStringLiteral("FrmAttestato"));
    giocaPratica(env);

    fabbrica.impostaFileOutput(QString::fromLocal8Bit(argv[1]));
    env.finestre.carica<FrmStampa>(QStringLiteral("FrmStampa"))->stampa();
    fabbrica.impostaFileOutput(QString::fromLocal8Bit(argv[2]));
    auto* attestato = env.finestre.carica<FrmAttestato>(QStringLiteral("FrmAttestato"));
    attestato->show();
    attestato->Form_Activate();
    attestato->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    return 0;
}
