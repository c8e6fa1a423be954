// The start window's handlers: name entry, the range buttons and the dispatch with the colour themes of
// the three question modes, the menus and the exits.
#include "platform/Aspetto.h"
#include "platform/GestoreFinestre.h"
#include "platform/Pulsante.h"
#include "windows/start/FrmInizio.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace numerella {

namespace {

const QString kEsercizio = QStringLiteral("FrmOperativoMeno");

bool cifra(int codice)
{
    return codice >= 48 && codice <= 57;
}

} // namespace

// ---- Name entry ----

bool FrmInizio::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto != txtNome || evento->type() != QEvent::KeyPress)
        return Finestra::eventFilter(oggetto, evento);
    auto* tasto = static_cast<QKeyEvent*>(evento);
    int KeyAscii;
    if (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter)
        KeyAscii = 13;
    else if (!tasto->text().isEmpty())
        KeyAscii = tasto->text().at(0).unicode();
    else
        return false; // not a character key: arrows, Home, End and the like go to the box
    TxtNome_KeyPress(KeyAscii);
    // Enter puts no character into the box; a discarded key never reaches it.
    return KeyAscii == 0 || KeyAscii == 13;
}

void FrmInizio::TxtNome_KeyPress(int& KeyAscii)
{
    if (cifra(KeyAscii)) {
        s.cicalino.beep();
        KeyAscii = 0;
    }
    if (KeyAscii == 13) {
        if (nomeVuoto())
            rifiutaNome();
        if (!nomeVuoto())
            accettaNome();
    }
}

// Text that reaches the box without a key press (pasted, dropped, composed) obeys the same rule as typing:
// its digits are refused with one beep.
void FrmInizio::nomeModificato(const QString& testo)
{
    QString pulito;
    int cursore = txtNome->cursorPosition();
    for (int i = 0; i < testo.size(); ++i) {
        if (cifra(testo.at(i).unicode())) {
            if (i < txtNome->cursorPosition())
                --cursore;
            continue;
        }
        pulito.append(testo.at(i));
    }
    if (pulito.size() == testo.size())
        return;
    s.cicalino.beep();
    txtNome->setText(pulito);
    txtNome->setCursorPosition(cursore);
}

void FrmInizio::cmdAvanti_Click()
{
    if (nomeVuoto())
        rifiutaNome();
    else
        accettaNome();
}

bool FrmInizio::nomeVuoto() const
{
    return txtNome->text().isEmpty();
}

void FrmInizio::accettaNome()
{
    s.registro.NomeAlunno = txtNome->text().toStdString();
    Frame1->setEnabled(true);
    Frame2->hide();
    daiFuoco(Command1);
}

void FrmInizio::rifiutaNome()
{
    Modulo1& r = s.registro;
    r.Messaggio = "Introduci il nome";
    r.TitoloMsg = "distrazione";
    r.StileMsg = 0; // one OK button, whatever box another window showed last
    r.RispostaMsg =
        s.messaggi.mostra(QString::fromStdString(r.Messaggio), r.StileMsg, QString::fromStdString(r.TitoloMsg));
    daiFuoco(txtNome);
}

// ---- Range buttons and dispatch ----

void FrmInizio::sceltaFascia(long minimo, short massimo, long fascia)
{
    s.registro.NumeroMin = minimo;
    s.registro.NumeroMax = massimo;
    s.registro.Fascia = fascia;
    Smistamento();
}

void FrmInizio::Command1_Click()
{
    sceltaFascia(1, 10, 1);
}
void FrmInizio::Command2_Click()
{
    sceltaFascia(1, 20, 2);
}
void FrmInizio::Command3_Click()
{
    sceltaFascia(10, 20, 3);
}
void FrmInizio::Command4_Click()
{
    sceltaFascia(10, 40, 4);
}
void FrmInizio::Command5_Click()
{
    sceltaFascia(40, 98, 5);
}
void FrmInizio::Command6_Click()
{
    sceltaFascia(10, 98, 6);
}

void FrmInizio::Smistamento()
{
    Modulo1& r = s.registro;
    QString didascalia;
    switch (Combo1->currentIndex()) {
    case 1:
        r.FormaMin = 2;
        r.FormaMax = 3;
        propriet2();
        didascalia = QStringLiteral(" Calcola gli addendi");
        break;
    case 2:
        r.FormaMin = 1;
        r.FormaMax = 3;
        propriet3();
        didascalia = QStringLiteral(" Calcola la somma o gli addendi");
        break;
    default:
        r.FormaMin = 1;
        r.FormaMax = 1;
        propriet1();
        didascalia = QStringLiteral(" Calcola la somma");
        break;
    }
    // The certificate reads the mode from here when the exercise window is no longer open.
    r.TestoModo = didascalia.toStdString();
    if (Finestra* esercizio = s.finestre.caricata(kEsercizio))
        if (auto* Label1 = esercizio->findChild<QLabel*>(QStringLiteral("Label1")))
            Label1->setText(didascalia);
    s.finestre.mostra(kEsercizio);
}

void FrmInizio::propriet1()
{
    applicaTema(rgb(250, 250, 200), rgb(240, 220, 150));
}
void FrmInizio::propriet2()
{
    applicaTema(rgb(200, 255, 255), rgb(200, 200, 255));
}
void FrmInizio::propriet3()
{
    applicaTema(rgb(255, 215, 220), rgb(240, 180, 220));
}

void FrmInizio::applicaTema(const QColor& sfondo, const QColor& accento)
{
    // The first reference to the exercise window: when it is not loaded, its load handler runs here, and
    // draws the first operation before any colour of the theme is applied.
    QPointer<Finestra> esercizio = s.finestre.carica(kEsercizio);
    if (!esercizio)
        return;
    coloraSfondo(esercizio->area(), sfondo);
    if (auto* frmNumero = esercizio->findChild<QWidget*>(QStringLiteral("frmNumero")))
        coloraSfondo(frmNumero, sfondo);
    if (auto* TxtRisultato = esercizio->findChild<QWidget*>(QStringLiteral("TxtRisultato"))) {
        coloraSfondo(TxtRisultato, sfondo);
        coloraTesto(TxtRisultato, rgb(128, 64, 0));
    }
    s.registro.ColoreTema = std::to_string(coloreImpacchettato(accento));
    coloraTema();
}

void FrmInizio::coloraTema()
{
    Finestra* esercizio = s.finestre.caricata(kEsercizio);
    bool valido = false;
    const long colore = QString::fromStdString(s.registro.ColoreTema).toLong(&valido);
    if (!esercizio || !valido)
        return;
    for (const char* nome : {"frmElaborazione", "frmValutazione", "CmdFine", "cmdSfondo", "CmdVerifica",
                             "CmdOperazione", "CmdEsercizio", "CmdStampa"})
        if (auto* controllo = esercizio->findChild<QWidget*>(QString::fromLatin1(nome)))
            coloraSfondo(controllo, coloreDaImpacchettato(colore));
}

// ---- Menus ----

void FrmInizio::mnuValutazione_Click()
{
    s.finestre.mostra(QStringLiteral("FrmValutazione"));
}

void FrmInizio::mnuInfo_Click()
{
    if (!s.avviatore.avvia(QStringLiteral("www.exe")))
        s.messaggi.mostra(QStringLiteral("File mancante"));
}

// ---- Exits: each closes the background window and this one; the program ends when no window is left ----

void FrmInizio::esci()
{
    s.finestre.scarica(QStringLiteral("frmSfondo"));
    s.finestre.scarica(QStringLiteral("FrmInizio"));
}

void FrmInizio::cmdFine_Click()
{
    esci();
}
void FrmInizio::Command9_Click()
{
    esci();
}
void FrmInizio::mnuEsci_Click()
{
    esci();
}
void FrmInizio::Form_QueryUnload()
{
    esci();
}
void FrmInizio::Form_Unload()
{
    esci();
}

} // namespace numerella
