// Opens the program's windows with the real services, as a pupil would reach them, and saves a picture
// of each into the folder given on the command line. Run under a virtual X server by scripts/schermate.
#include "core/Modulo1.h"
#include "platform/Finestra.h"
#include "platform/GestoreFinestre.h"
#include "platform/Servizi.h"
#include "platform/ServiziQt.h"
#include "platform/StampanteQt.h"
#include "windows/Registro.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>

using namespace numerella;

namespace {

// Boxes are not shown: the pictures are taken without anyone to answer them.
class MessaggiMuti : public Messaggi
{
public:
    int mostra(const QString& testo, int, const QString&) override
    {
        std::fprintf(stderr, "box: %s\n", qPrintable(testo));
        return Ok;
    }
};

void attendi(int ms)
{
    QEventLoop ciclo;
    QTimer::singleShot(ms, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

bool salva(QWidget* finestra, const QString& file)
{
    if (!finestra)
        return false;
    attendi(300);
    const bool fatto = finestra->grab().save(file);
    std::printf("%s %s\n", fatto ? "saved" : "FAILED", qPrintable(file));
    return fatto;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    preparaApplicazione();
    const QString cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/images");
    QDir().mkpath(cartella);

    Modulo1 registro;
    OrologioQt orologio;
    CasualeMescolato caso;
    SuonoQt suono;
    MessaggiMuti messaggi;
    CicalinoQt cicalino;
    AvviatoreQt avviatore;
    FabbricaStampanteQt stampanti(messaggi);
    TerminazioneQt terminazione;
    GestoreFinestre finestre(terminazione);
    Servizi servizi{registro, orologio,  caso,      suono,    messaggi,
                    cicalino, avviatore, stampanti, finestre, QCoreApplication::applicationDirPath().toStdString()};
    finestre.impostaServizi(servizi);
    registraFinestre(finestre);

    bool tutto = true;
    finestre.carica(QStringLiteral("frmSfondo"));
    QWidget* inizio = finestre.caricata(QStringLiteral("FrmInizio"));
    attendi(500);
    // The whole screen: the background with the start window over it.
    const QPixmap schermo = QGuiApplication::primaryScreen()->grabWindow(0);
    tutto &= schermo.save(cartella + QStringLiteral("/avvio-schermo.png"));
    tutto &= salva(inizio, cartella + QStringLiteral("/inizio.png"));

    finestre.mostra(QStringLiteral("FrmValutazione"));
    tutto &= salva(finestre.caricata(QStringLiteral("FrmValutazione")), cartella + QStringLiteral("/valutazione.png"));
    finestre.scarica(QStringLiteral("FrmValutazione"));

    auto* nome = inizio->findChild<QLineEdit*>(QStringLiteral("txtNome"));
    nome->setText(QStringLiteral("Anna"));
    inizio->findChild<QPushButton*>(QStringLiteral("cmdAvanti"))->click();
    tutto &= salva(inizio, cartella + QStringLiteral("/inizio-fasce.png"));

    // The exercise window in each mode, when it is part of the program.
    const char* modi[] = {"somma", "addendi", "casuale"};
    const char* fasce[] = {"Command1", "Command4", "Command6"};
    for (int modo = 0; modo < 3; ++modo) {
        if (!finestre.caricata(QStringLiteral("FrmInizio")))
            break;
        finestre.mostra(QStringLiteral("FrmInizio"));
        inizio->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(modo);
        auto* fascia = inizio->findChild<QPushButton*>(QString::fromLatin1(fasce[modo]));
        QWidget* esercizio = nullptr;
        fascia->click();
        esercizio = finestre.caricata(QStringLiteral("FrmOperativoMeno"));
        if (!esercizio) {
            std::printf("no exercise window in this build: its pictures are skipped\n");
            break;
        }
        tutto &= salva(esercizio, cartella + QStringLiteral("/esercizio-%1.png").arg(QLatin1String(modi[modo])));
        finestre.scarica(QStringLiteral("FrmOperativoMeno"));
        attendi(100);
    }
    return tutto ? 0 : 1;
}
