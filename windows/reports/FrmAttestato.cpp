#include "windows/reports/FrmAttestato.h"

#include "core/Valutazione.h"
#include "platform/Aspetto.h"
#include "platform/GestoreFinestre.h"
#include "platform/Pulsante.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

namespace numerella {

namespace {

const QColor kRosa = rgb(255, 192, 192);
const QColor kBlu = rgb(0, 0, 255);
const QColor kRosso = rgb(255, 0, 0);
const QColor kPulsanti = rgb(255, 192, 255);

// The scroll artwork, stretched to the control's box.
class Pergamena : public QWidget
{
public:
    explicit Pergamena(QWidget* genitore) : QWidget(genitore), m_disegno(QStringLiteral(":/assets/pergamena.svg"))
    {
        setObjectName(QStringLiteral("Image1"));
        setAccessibleName(QStringLiteral("Pergamena"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter pittore(this);
        m_disegno.render(&pittore, QRectF(rect()));
    }

private:
    QSvgRenderer m_disegno;
};

QLabel* etichetta(QWidget* genitore, const char* nome, const QString& testo, const QFont& font, const QColor& colore,
                  Qt::Alignment allineamento, const QString& descrizione)
{
    QLabel* l = nuovaEtichetta(genitore, QString::fromLatin1(nome), testo, descrizione);
    l->setFont(font);
    coloraTesto(l, colore);
    rendiTrasparente(l);
    l->setAlignment(allineamento | Qt::AlignTop);
    // A caption wider than its label goes on to a second line, as the certificate was designed.
    l->setWordWrap(true);
    return l;
}

} // namespace

FrmAttestato::FrmAttestato(Servizi& servizi) : Finestra(servizi, QStringLiteral("FrmAttestato"))
{
    // No border and no title bar, kept out of the task bar: its own buttons are the only ways out.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("ATTESTATO"));
    impostaAreaClient(12000, 9000);
    coloraSfondo(this, kRosa);
    coloraSfondo(area(), kRosa);

    Frame2 = new QWidget(area());
    Frame2->setObjectName(QStringLiteral("Frame2"));
    coloraSfondo(Frame2, kRosa);
    disponi(Frame2, 2955, 465, 6090, 8460);

    Frame1 = new QFrame(Frame2);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Attestato"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Plain);
    coloraSfondo(Frame1, rgb(192, 255, 255));
    disponi(Frame1, 465, 150, 5205, 6840);

    Image1 = new Pergamena(Frame1);
    disponi(Image1, 75, 345, 4890, 6390);

    const auto centro = Qt::AlignHCenter;
    const auto sinistra = Qt::AlignLeft;
    Label1 = etichetta(Frame1, "Label1", QStringLiteral("ATTESTATO"), arial(18, true), kBlu, centro,
                       QStringLiteral("ATTESTATO"));
    coloraSfondo(Label1, QApplication::palette().color(QPalette::Base));
    Label2 = etichetta(Frame1, "Label2", QStringLiteral("rilasciato a"), arial(9.75, true), Qt::black, centro,
                       QStringLiteral("rilasciato a"));
    lblNome = etichetta(Frame1, "lblNome", {}, arial(20.25, true), kBlu, centro, QStringLiteral("Nome"));
    lblMotivo = etichetta(Frame1, "lblMotivo", {}, arial(9.75, true), Qt::black, centro, QStringLiteral("Motivo"));
    lblObiettivo1 =
        etichetta(Frame1, "lblObiettivo1", {}, arial(8.25, true), kRosso, sinistra, QStringLiteral("Obiettivo"));
    lblObiettivo3 =
        etichetta(Frame1, "lblObiettivo3", {}, sansSerif(8.25, true), kRosso, sinistra, QStringLiteral("Modo"));
    lblObiettivo2 =
        etichetta(Frame1, "lblObiettivo2", {}, sansSerif(8.25, true), kRosso, sinistra, QStringLiteral("Numeri"));
    Label3 = etichetta(Frame1, "Label3", QStringLiteral("con la valutazione"), arial(9.75, true), Qt::black, centro,
                       QStringLiteral("con la valutazione"));
    lblRapporto = etichetta(Frame1, "lblRapporto", {}, arial(14.25, true), kBlu, centro, QStringLiteral("Valutazione"));
    lblPerche = etichetta(Frame1, "lblPerche", {}, arial(8.25, true), Qt::black, centro, QStringLiteral("Perché"));
    lblData = etichetta(Frame1, "lblData", {}, arial(8.25, true), Qt::black, sinistra, QStringLiteral("Data"));
    Image1->lower();

    Command2 = new Pulsante(QStringLiteral("Command2"), QStringLiteral("STAMPA  L'ATTESTATO "), Frame2);
    Command1 = new Pulsante(QStringLiteral("Command1"), QStringLiteral("FINE SESSIONE"), Frame2);
    CmdFine = new Pulsante(QStringLiteral("CmdFine"), QStringLiteral("ESCI"), Frame2);
    for (Pulsante* p : {Command2, Command1, CmdFine}) {
        p->setFont(arial(8.25, true));
        coloraSfondo(p, kPulsanti);
    }

    disponi(Frame2, {{"Label1", 1080, 1020, 2175, 390},
                     {"Label2", 1290, 1425, 1695, 255},
                     {"lblNome", 600, 1695, 3450, 555},
                     {"lblMotivo", 1005, 2190, 3030, 360},
                     {"lblObiettivo1", 1245, 2580, 2535, 330},
                     {"lblObiettivo3", 1260, 2910, 2910, 405},
                     {"lblObiettivo2", 1230, 3360, 2535, 315},
                     {"Label3", 1395, 3600, 2505, 195},
                     {"lblRapporto", 1110, 3945, 3315, 375},
                     {"lblPerche", 1395, 4500, 2385, 375},
                     {"lblData", 1680, 5100, 2475, 255},
                     {"Command2", 465, 7050, 5205, 450},
                     {"Command1", 450, 7590, 2550, 450},
                     {"CmdFine", 3045, 7605, 2580, 450}});

    connect(Command2, &QPushButton::clicked, this, &FrmAttestato::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, [this] { s.finestre.terminaSubito(); });
    connect(CmdFine, &QPushButton::clicked, this, [this] { s.finestre.scarica(objectName()); });
}

QString FrmAttestato::nomeConIniziale(const QString& nome)
{
    if (nome.isEmpty())
        return nome;
    // The first character, a surrogate pair included, raised; everything after it lowered.
    const qsizetype primo = nome.at(0).isHighSurrogate() && nome.size() > 1 ? 2 : 1;
    return nome.left(primo).toUpper() + nome.mid(primo).toLower();
}

void FrmAttestato::Form_Activate()
{
    Modulo1& r = s.registro;
    const int sinistra = (12000 - 6090) / 2;
    disponi(Frame2, sinistra, 465, 6090, 8460);
    lblData->setText(QStringLiteral("Data        ") + QString::fromStdString(s.orologio.data()));

    const QString nome = QString::fromStdString(r.NomeAlunno);
    r.LunghezzaNome = long(nome.toUcs4().size());
    r.NomeAlunno = nomeConIniziale(nome).toStdString();
    lblNome->setText(QString::fromStdString(r.NomeAlunno));

    lblMotivo->setText(QStringLiteral("per aver  conseguito l'obiettivo"));
    lblObiettivo1->setText(QStringLiteral("Saper eseguire le numerella.1"));
    // The mode caption of the exercise window while it is open; the one recorded at the last range
    // choice otherwise (the certificate never opens the exercise window just to read it).
    QString modo = QString::fromStdString(r.TestoModo);
    if (Finestra* esercizio = s.finestre.caricata(QStringLiteral("FrmOperativoMeno")))
        if (auto* caption = esercizio->findChild<QLabel*>(QStringLiteral("Label1")))
            modo = caption->text();
    lblObiettivo3->setText(modo);
    lblObiettivo2->setText(QStringLiteral(" Numeri da ") + QString::fromStdString(Str(r.NumeroMin)) +
                           QStringLiteral(" a") + QString::fromStdString(Str(r.NumeroMax)));

    r.Voto = votoDi(r.TotaleEsatte, r.NumeroOperazione);
    r.Giudizio = giudizioDi(r.Voto);
    lblRapporto->setText(QString::fromStdString(r.Giudizio));
    if (r.Giudizio == kNonClassificato) {
        Command2->setText(QStringLiteral("ATTESTATO NON STAMPABILE"));
        Command2->setAccessibleName(Command2->text());
        Command2->setEnabled(false);
    }
    lblPerche->setText(QStringLiteral("Per aver dato ") + QString::fromStdString(testo(r.TotaleEsatte)) +
                       QStringLiteral(" risposte esatte su ") + QString::fromStdString(testo(r.NumeroOperazione)));
}

void FrmAttestato::keyPressEvent(QKeyEvent* e)
{
    // Enter anywhere else in the window presses the print button, the window's default button.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && Command2->isEnabled() && Command2->isVisible()) {
        Command2->click();
        return;
    }
    Finestra::keyPressEvent(e);
}

void FrmAttestato::Command2_Click()
{
    Pulsante* pulsanti[] = {Command2, Command1, CmdFine};
    for (Pulsante* p : pulsanti)
        p->hide();
    {
        std::unique_ptr<Stampante> stampante = s.stampanti.crea(QStringLiteral("Attestato"));
        stampante->stampaImmagine(this);
        stampante->fineDocumento();
    }
    for (Pulsante* p : pulsanti)
        p->show();
}

} // namespace numerella
