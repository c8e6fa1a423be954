#include "windows/reports/FrmStampa.h"

#include "platform/Aspetto.h"
#include "platform/GestoreFinestre.h"
#include "platform/Pulsante.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace numerella {

namespace {

const QString kSenzaFont = QStringLiteral("Devi installare il font Courier o il font Courier New");
const QColor kSfondo = rgb(128, 255, 255);
const QColor kCella = rgb(192, 255, 255);
const QColor kTestoRosso = rgb(192, 0, 0);

QLabel* etichetta(QWidget* genitore, const char* nome, const QString& testo, const QString& descrizione = {})
{
    return nuovaEtichetta(genitore, QString::fromLatin1(nome), testo, descrizione);
}

QLabel* tempoTotale(QWidget* genitore, const char* nome, double punti)
{
    QLabel* l = etichetta(genitore, nome, QStringLiteral("Tempo totale"));
    l->setFrameStyle(QFrame::Box | QFrame::Plain);
    l->setFont(sansSerif(punti, true));
    coloraSfondo(l, kCella);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

FrmStampa::FrmStampa(Servizi& servizi) : Finestra(servizi, QStringLiteral("FrmStampa"))
{
    setWindowTitle(QStringLiteral("STAMPA DELLE OPERAZIONI"));
    impostaAreaClient(11910, 8340);
    coloraSfondo(this, kSfondo);
    coloraSfondo(area(), kSfondo);
    coloraTesto(area(), Qt::black);
    QWidget* a = area();

    Label5 = etichetta(a, "Label5", QStringLiteral("E S E R C I Z I   E S E G U I T I "));
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label5->setFont(arial(15.75, true));
    coloraTesto(Label5, kTestoRosso);
    rendiTrasparente(Label5);
    disponi(Label5, 510, 210, 10725, 525);

    for (int k = 1; k <= 40; ++k) {
        const QByteArray nome = "LblOp" + QByteArray::number(k);
        QLabel* l = etichetta(a, nome.constData(), {}, QStringLiteral("Operazione %1").arg(k));
        l->setFont(fontDi(QStringLiteral("Courier"), 9.75));
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        coloraSfondo(l, kCella);
        coloraTesto(l, kTestoRosso);
        const int c = (k - 1) / 10, r = (k - 1) % 10;
        disponi(l, 180 + 2925 * c, 900 + 450 * r, 2895, 435);
        LblOp.append(l);
    }

    Label1 = tempoTotale(a, "Label1", 9.75);
    Label2 = tempoTotale(a, "Label2", 9.75);
    Label3 = tempoTotale(a, "Label3", 9.75);
    Label4 = tempoTotale(a, "Label4", 8.25);

    Command1 = new Pulsante(QStringLiteral("Command1"), QStringLiteral("ESCI"), a);
    cmdStampaS = new Pulsante(QStringLiteral("cmdStampaS"), QStringLiteral("STAMPA LE OPERAZIONI"), a);
    Command2 = new Pulsante(QStringLiteral("Command2"), QStringLiteral("Visualizza attestato"), a);
    for (Pulsante* p : {Command1, cmdStampaS}) {
        p->setFont(arial(11.25, true));
        coloraSfondo(p, kSfondo);
    }
    Command2->setFont(arial(12, true));
    coloraSfondo(Command2, rgb(255, 192, 255));

    Label6 = etichetta(a, "Label6", {}, QStringLiteral("Font delle operazioni"));
    rendiTrasparente(Label6);

    disponi(a, {{"Label1", 510, 5520, 2475, 525},
                {"Label2", 3240, 5520, 2445, 525},
                {"Label3", 6000, 5520, 2475, 525},
                {"Label4", 8910, 5520, 2445, 525},
                {"Command1", 1650, 6390, 2955, 585},
                {"cmdStampaS", 4920, 6390, 2955, 585},
                {"Command2", 8190, 6390, 2955, 585},
                {"Label6", 90, 7980, 2565, 195}});

    QMenu* MnuFile = barraMenu()->addMenu(QStringLiteral("File"));
    MnuFile->setObjectName(QStringLiteral("MnuFile"));
    QAction* MnuEsci = MnuFile->addAction(QStringLiteral("Esci"));
    MnuEsci->setObjectName(QStringLiteral("MnuEsci"));

    connect(Command1, &QPushButton::clicked, this, &FrmStampa::Command1_Click);
    connect(cmdStampaS, &QPushButton::clicked, this, &FrmStampa::stampa);
    connect(Command2, &QPushButton::clicked, this, [this] { s.finestre.mostra(QStringLiteral("FrmAttestato")); });
    connect(MnuEsci, &QAction::triggered, this, [this] { s.finestre.scarica(objectName()); });
}

QString FrmStampa::cercaFontPassoFisso(const QStringList& fonts)
{
    for (const QString& nome : fonts)
        if (nome == QLatin1String("Courier") || nome == QLatin1String("Courier New"))
            return nome;
    return {};
}

long FrmStampa::ultimaRiga(long numeroOperazione)
{
    return qMin(numeroOperazione, 40L);
}

void FrmStampa::Form_Load()
{
    Modulo1& r = s.registro;
    const QString font = cercaFontPassoFisso(s.stampanti.elencoFont());
    if (font.isEmpty()) {
        s.messaggi.mostra(kSenzaFont);
        return;
    }
    const long ultima = ultimaRiga(r.NumeroOperazione);
    const QFont carattere = font == QLatin1String("Courier New") ? fontDi(font, 9, true) : fontDi(font, 10);
    for (r.Indice = 1; r.Indice <= ultima; r.Indice = r.Indice + 1)
        LblOp[r.Indice - 1]->setFont(carattere);
    Label6->setText(font);
    Label6->setAccessibleName(font);
    for (r.Indice = 1; r.Indice <= ultima; r.Indice = r.Indice + 1)
        LblOp[r.Indice - 1]->setText(QString::fromStdString(r.ElencoOperazioni(r.Indice)));
    QLabel* tempi[] = {Label1, Label2, Label3, Label4};
    for (int k = 1; k <= 4; ++k)
        tempi[k - 1]->setText(QStringLiteral("Tempo totale:    ") + QString::fromStdString(r.TestoTempoEsercizio(k)) +
                              QStringLiteral(" sec."));
}

void FrmStampa::Command1_Click()
{
    for (int k = 1; k <= 4; ++k)
        s.registro.TestoTempoEsercizio(k).clear();
    s.finestre.scarica(objectName());
}

void FrmStampa::intestazione(Stampante& stampante)
{
    stampante.impostaX(1000);
    stampante.impostaY(1000);
    stampante.impostaDimensione(18);
    stampante.stampaRiga(QStringLiteral("SCUOLA ELEMENTARE DI_____________________   "));
    stampante.impostaX(1000);
    stampante.impostaY(1500);
    stampante.impostaDimensione(12);
}

void FrmStampa::stampa()
{
    Modulo1& r = s.registro;
    const QString font = cercaFontPassoFisso(s.stampanti.elencoFont());
    if (font.isEmpty()) {
        s.messaggi.mostra(kSenzaFont);
        return;
    }
    std::unique_ptr<Stampante> stampante = s.stampanti.crea(QStringLiteral("Operazioni"));
    stampante->impostaFont(font);
    // Every sheet starts the same way: the heading is never bold, whatever the last sheet did.
    stampante->impostaGrassetto(false);
    intestazione(*stampante);
    stampante->impostaDimensione(12);
    stampante->impostaGrassetto(true);
    const long ultima = ultimaRiga(r.NumeroOperazione);
    for (r.Indice = 1; r.Indice <= ultima; r.Indice = r.Indice + 1) {
        const long i = r.Indice;
        RigaBase = 2000;
        int x = 1000, y = RigaBase + 400 * (i - 1);
        // The tests follow one another: the last one that holds sets the place.
        if (i > 10) {
            x = 6000;
            y = RigaBase + 400 * (i - 11);
        }
        if (i > 20) {
            x = 1000;
            y = RigaBase + 400 * (i - 10);
        }
        if (i > 30) {
            x = 6000;
            y = RigaBase + 400 * (i - 20);
        }
        stampante->impostaX(x);
        stampante->impostaY(y);
        stampante->stampaRiga(QString::fromStdString(r.ElencoOperazioni(i)));
    }
    const int posti[4][2] = {{1000, 11000}, {6000, 11000}, {1000, 12000}, {6000, 12000}};
    for (r.Indice = 1; r.Indice <= 4; r.Indice = r.Indice + 1) {
        const long k = r.Indice;
        stampante->impostaX(posti[k - 1][0]);
        stampante->impostaY(posti[k - 1][1]);
        stampante->stampaRiga(QStringLiteral("Eser. n.%1: Tempo tot. ").arg(k) +
                              QString::fromStdString(r.TestoTempoEsercizio(k)) + QStringLiteral(" secondi"));
    }
    stampante->fineDocumento();
}

} // namespace numerella
