// The exercise window's controls at their design places (twips), colours, fonts and captions.
#include "platform/Aspetto.h"
#include "platform/Pulsante.h"
#include "windows/exercise/FrmOperativoMeno.h"
#include "windows/exercise/TxtRisultato.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

namespace numerella {

namespace {

struct TastoCifra
{
    const char* nome;
    const char* cifre;
    int sinistra, alto;
};

// The keypad, row by row; every digit key is 765 x 405 twips.
constexpr TastoCifra kTastierino[] = {
    {"Command2", "1", 240, 240},   {"Command3", "2", 1020, 240},    {"Command4", "3", 1800, 240},
    {"Command5", "4", 240, 690},   {"Command6", "5", 1020, 690},    {"Command7", "6", 1800, 690},
    {"Command8", "7", 240, 1140},  {"Command9", "8", 1020, 1140},   {"Command10", "9", 1800, 1140},
    {"Command13", "0", 240, 1605}, {"Command11", "00", 1020, 1605}, {"Command12", "000", 1800, 1605},
};

// Left edges of the ten columns of faces.
constexpr int kColonneFacce[10] = {1875, 2370, 2865, 3360, 3840, 4335, 4815, 5295, 5790, 6270};

QLabel* etichetta(QWidget* genitore, const char* nome, const QString& testo, const QString& descrizione,
                  const QFont& font)
{
    QLabel* l = nuovaEtichetta(genitore, QString::fromLatin1(nome), testo, descrizione);
    l->setFont(font);
    return l;
}

// The desktop font of the design is narrower than its substitute: a caption that would not fit its
// label is set a little smaller, so that it is read whole.
void adattaAllaLarghezza(QLabel* l)
{
    QFont f = l->font();
    while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(l->text()) > l->width())
        f.setPointSizeF(f.pointSizeF() - 0.25);
    l->setFont(f);
}

// A label that paints only its text, in the given colour.
QLabel* trasparente(QWidget* genitore, const char* nome, const QString& testo, const QString& descrizione,
                    const QFont& font, const QColor& colore)
{
    QLabel* l = etichetta(genitore, nome, testo, descrizione, font);
    rendiTrasparente(l);
    coloraTesto(l, colore);
    return l;
}

QGroupBox* cornice(QWidget* genitore, const char* nome, const QString& titolo, const QFont& font)
{
    auto* g = new QGroupBox(titolo, genitore);
    g->setObjectName(QString::fromLatin1(nome));
    g->setAccessibleName(titolo);
    g->setFont(font);
    return g;
}

} // namespace

void FrmOperativoMeno::costruisciControlli()
{
    QWidget* a = area();
    const QPalette sistema = QApplication::palette();
    const QColor coloreMenu = sistema.color(QPalette::Window);
    const QColor colorePulsante = sistema.color(QPalette::Button);

    coloraSfondo(this, rgb(192, 255, 192));

    // Top lines and instruction line.
    Label2 = etichetta(a, "Label2", {}, QStringLiteral("Intervallo dei numeri"), arial(21.75, true));
    coloraSfondo(Label2, rgb(255, 224, 192));
    coloraTesto(Label2, rgb(128, 0, 0));
    Label1 = etichetta(a, "Label1", {}, QStringLiteral("Tipo di esercizio"), arial(20.25, true));
    coloraSfondo(Label1, rgb(255, 224, 192));
    coloraTesto(Label1, rgb(255, 0, 0));

    // The operation strip.
    frmNumero = new QFrame(a);
    frmNumero->setObjectName(QStringLiteral("frmNumero"));
    frmNumero->setAccessibleName(QStringLiteral("Operazione"));
    coloraSfondo(frmNumero, rgb(255, 255, 192));
    const QFont grande = arial(72, true);
    const QColor rosso = rgb(255, 0, 0);
    LblNumero1 = trasparente(frmNumero, "LblNumero1", {}, QStringLiteral("Primo numero"), grande, rosso);
    auto* segno = trasparente(frmNumero, "LblSegno", QStringLiteral("+"), {}, grande, rosso);
    m_risultato = new TxtRisultato(frmNumero);
    m_risultato->setFont(grande);
    coloraSfondo(m_risultato, coloreMenu);
    coloraTesto(m_risultato, rgb(0, 0, 192));
    auto* uguale = trasparente(frmNumero, "LblUguale", QStringLiteral("="), {}, grande, rosso);
    LblNumero2 = trasparente(frmNumero, "LblNumero2", {}, QStringLiteral("Secondo numero"), grande, rosso);
    for (QLabel* l : {LblNumero1, LblNumero2}) {
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setLineWidth(1);
    }
    for (QLabel* l : {LblNumero1, segno, uguale, LblNumero2})
        l->setAlignment(Qt::AlignCenter);
    disponi(frmNumero, {{"LblNumero1", 120, 150, 3015, 1845},
                        {"LblSegno", 3180, 180, 765, 1815},
                        {"TxtRisultato", 3990, 150, 3015, 1875},
                        {"LblUguale", 7020, 120, 915, 1815},
                        {"LblNumero2", 7980, 150, 3015, 1845}});

    LblEsito = trasparente(a, "LblEsito", {}, QStringLiteral("Esito"), arial(48, true), rosso);
    LblEsito->setAlignment(Qt::AlignCenter);

    // The keypad.
    fraTastierino = cornice(a, "fraTastierino", QStringLiteral("TASTIERINO"), arial(9.75));
    coloraSfondo(fraTastierino, rgb(255, 255, 192));
    for (const TastoCifra& t : kTastierino) {
        const QString cifre = QString::fromLatin1(t.cifre);
        Pulsante* p = nuovoPulsante(fraTastierino, t.nome, cifre, arial(14.25, true), rgb(255, 255, 128));
        // A key press leaves the focus in the answer box, so that Enter then checks the answer.
        p->setFocusPolicy(Qt::TabFocus);
        disponi(p, t.sinistra, t.alto, 765, 405);
        connect(p, &Pulsante::clicked, this, [this, cifre] { tastoCifra(cifre); });
    }
    cmdCancella =
        nuovoPulsante(fraTastierino, "cmdCancella", QStringLiteral("Cancella"), arial(14.25, true), rgb(255, 255, 128));
    cmdCancella->setFocusPolicy(Qt::TabFocus);
    disponi(cmdCancella, 240, 2055, 2325, 435);

    // The row of buttons; the blank bar lies beneath the three action buttons that share its place.
    const QFont fontAzione = arial(12, true);
    cmdSfondo = nuovoPulsante(a, "cmdSfondo", {}, arial(8.25, true), colorePulsante, false);
    cmdSfondo->setAccessibleName(QStringLiteral("Barra dei pulsanti"));
    cmdSfondo->setEnabled(false);
    CmdEsercizio = nuovoPulsante(a, "CmdEsercizio", QStringLiteral("Nuovo esercizio"), fontAzione, coloreMenu);
    CmdOperazione =
        nuovoPulsante(a, "CmdOperazione", QStringLiteral("N u o v a   s o t t r a z i o n e"), fontAzione, coloreMenu);
    CmdVerifica = nuovoPulsante(a, "CmdVerifica", QStringLiteral("V e r i f i c a "), fontAzione, coloreMenu);
    CmdStampa =
        nuovoPulsante(a, "CmdStampa", QStringLiteral("Visualizza  esercizio"), arial(9.75, true), colorePulsante);
    CmdFine = nuovoPulsante(a, "CmdFine", QStringLiteral("Esci"), arial(9.75, true), coloreMenu);

    // The tally of faces.
    auto* valutazione = cornice(a, "frmValutazione", QStringLiteral("VALUTAZIONE"), sansSerif(8.25));
    coloraSfondo(valutazione, colorePulsante);
    const QColor blu = rgb(0, 0, 128);
    const QColor testoSistema = sistema.color(QPalette::WindowText);
    trasparente(valutazione, "Label4", QStringLiteral("Risp. esatte"), {}, sansSerif(12, true), blu);
    trasparente(valutazione, "Label8", QStringLiteral("Esercizio n."), {}, sansSerif(12, true), testoSistema);
    trasparente(valutazione, "Label6", QStringLiteral("Risp. errate"), {}, sansSerif(12, true), blu);
    trasparente(valutazione, "LblContatore",
                QStringLiteral("  1      2       3      4      5      6      7      8      9     10"),
                QStringLiteral("Colonne"), sansSerif(9.75, true), testoSistema);
    disponi(valutazione, {{"Label4", 120, 240, 1575, 375},
                          {"Label8", 120, 600, 1215, 375},
                          {"Label6", 120, 1080, 1455, 375},
                          {"LblContatore", 1935, 720, 4815, 270}});
    for (const char* nome : {"Label4", "Label8", "Label6", "LblContatore"})
        adattaAllaLarghezza(valutazione->findChild<QLabel*>(QString::fromLatin1(nome)));
    const QPixmap sorride = immagineSvg(QStringLiteral(":/assets/faccia_sorride.svg"), 32);
    const QPixmap triste = immagineSvg(QStringLiteral(":/assets/faccia_triste.svg"), 32);
    for (int k = 1; k <= 20; ++k) {
        const bool esatta = k <= 10;
        const int colonna = esatta ? k : k - 10;
        auto* img = new QLabel(valutazione);
        img->setObjectName(QStringLiteral("Image%1").arg(k));
        img->setAccessibleName(esatta ? QStringLiteral("Risposta esatta %1").arg(colonna)
                                      : QStringLiteral("Risposta errata %1").arg(colonna));
        img->setPixmap(esatta ? sorride : triste);
        img->setAlignment(Qt::AlignCenter);
        disponi(img, kColonneFacce[colonna - 1], esatta ? 255 : 990, 480, 480);
        img->hide();
        m_immagini.at(std::size_t(k - 1)) = img;
    }
    immagine(1)->setCursor(QCursor(sorride));

    // The counters and timers.
    auto* elaborazione = cornice(a, "frmElaborazione", QStringLiteral("ELABORAZIONE"), sansSerif(8.25));
    coloraSfondo(elaborazione, colorePulsante);
    trasparente(elaborazione, "Label5", QStringLiteral(" Eser.    Oper.   Tempo      Tempo "), {},
                sansSerif(8.25, true), testoSistema);
    trasparente(elaborazione, "Label3", QStringLiteral("                        parziale    totale"), {},
                sansSerif(8.25, true), testoSistema);
    const QFont contatore = arial(14.25, true);
    LblEsercizio =
        trasparente(elaborazione, "LblEsercizio", {}, QStringLiteral("Esercizio numero"), contatore, rgb(0, 192, 0));
    LblOperazione =
        trasparente(elaborazione, "LblOperazione", {}, QStringLiteral("Operazione numero"), contatore, rgb(0, 192, 0));
    LblTempoParziale =
        trasparente(elaborazione, "LblTempoParziale", {}, QStringLiteral("Tempo parziale"), contatore, rosso);
    LblTempoTotale = trasparente(elaborazione, "LblTempoTotale", {}, QStringLiteral("Tempo totale"), contatore, rosso);
    LblEsercizio->setAlignment(Qt::AlignCenter);
    LblOperazione->setAlignment(Qt::AlignCenter);
    LblTempoParziale->setToolTip(QStringLiteral("Secondi impiegati per ogni risposta"));
    LblTempoTotale->setToolTip(QStringLiteral("Secondi impiegati per ogni esercizio"));
    for (const char* nome : {"Line1", "Line2", "Line4"}) {
        auto* linea = new QFrame(elaborazione);
        linea->setObjectName(QString::fromLatin1(nome));
        linea->setAccessibleName(QStringLiteral("Separatore"));
        coloraSfondo(linea, testoSistema);
    }
    disponi(elaborazione, {{"Label5", 240, 360, 3015, 255},
                           {"Label3", 240, 600, 3015, 255},
                           {"LblEsercizio", 255, 960, 480, 480},
                           {"LblOperazione", 975, 960, 480, 480},
                           {"LblTempoParziale", 1695, 960, 480, 480},
                           {"LblTempoTotale", 2535, 960, 480, 480},
                           {"Line1", 840, 360, 15, 840},
                           {"Line2", 1560, 360, 15, 840},
                           {"Line4", 2400, 360, 15, 840}});
    for (const char* nome : {"Label5", "Label3"})
        adattaAllaLarghezza(elaborazione->findChild<QLabel*>(QString::fromLatin1(nome)));

    LblIstruzione = etichetta(a, "LblIstruzione", {}, QStringLiteral("Istruzione"), arial(11.25, true));
    coloraSfondo(LblIstruzione, rgb(192, 255, 255));
    coloraTesto(LblIstruzione, rgb(0, 0, 192));

    disponi(a, {{"Label2", -30, 0, 11985, 555},
                {"Label1", -30, 540, 11985, 555},
                {"frmNumero", 90, 1080, 11535, 2265},
                {"fraTastierino", 8220, 3090, 2805, 2595},
                {"LblEsito", 600, 3870, 6375, 975},
                {"cmdSfondo", 960, 5715, 6810, 495},
                {"CmdEsercizio", 945, 5715, 6810, 495},
                {"CmdOperazione", 975, 5715, 6810, 495},
                {"CmdVerifica", 960, 5715, 6810, 495},
                {"CmdStampa", 7875, 5715, 1965, 525},
                {"CmdFine", 9900, 5715, 1335, 525},
                {"frmValutazione", 870, 6285, 6900, 1695},
                {"frmElaborazione", 7815, 6285, 3375, 1695},
                {"LblIstruzione", 900, 7965, 10245, 270}});
    impostaAreaClient(11910, 8340);
}

void FrmOperativoMeno::costruisciMenu()
{
    QMenuBar* barra = barraMenu();
    // The menu bar keeps the desktop's colours whatever colour the window takes.
    QPalette sistema = QApplication::palette();
    for (QPalette::ColorRole ruolo : {QPalette::Window, QPalette::Button, QPalette::Base})
        sistema.setColor(ruolo, sistema.color(ruolo));
    barra->setPalette(sistema);

    QMenu* file = barra->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("MnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("MnuFile"));
    mnuStampa = file->addAction(QStringLiteral("Visualizza operazioni"));
    mnuStampa->setObjectName(QStringLiteral("mnuStampa"));
    mnuAttestato = file->addAction(QStringLiteral("Visualizza attestato"));
    mnuAttestato->setObjectName(QStringLiteral("mnuAttestato"));
    file->addSeparator()->setObjectName(QStringLiteral("mnuseparatore"));
    MnuEsci = file->addAction(QStringLiteral("Esci"));
    MnuEsci->setObjectName(QStringLiteral("MnuEsci"));
}

} // namespace numerella
