#include "windows/exercise/FrmOperativoMeno.h"

#include "core/Flusso.h"
#include "platform/Aspetto.h"
#include "platform/GestoreFinestre.h"
#include "platform/Pulsante.h"
#include "windows/exercise/TxtRisultato.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>

namespace numerella {

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

void spostaASinistra(QWidget* w, int sinistraTwips)
{
    w->move(px(sinistraTwips), w->y());
}

} // namespace

FrmOperativoMeno::FrmOperativoMeno(Servizi& servizi) : Finestra(servizi, QStringLiteral("FrmOperativoMeno"))
{
    costruisciControlli();
    costruisciMenu();
    collegaGestori();
}

void FrmOperativoMeno::collegaGestori()
{
    connect(CmdEsercizio, &Pulsante::clicked, this, &FrmOperativoMeno::CmdEsercizio_Click);
    connect(CmdOperazione, &Pulsante::clicked, this, &FrmOperativoMeno::CmdOperazione_Click);
    connect(CmdVerifica, &Pulsante::clicked, this, &FrmOperativoMeno::CmdVerifica_Click);
    connect(CmdFine, &Pulsante::clicked, this, &FrmOperativoMeno::CmdFine_Click);
    connect(CmdStampa, &Pulsante::clicked, this, &FrmOperativoMeno::CmdStampa_Click);
    connect(cmdCancella, &Pulsante::clicked, this, &FrmOperativoMeno::cmdCancella_Click);
    connect(mnuStampa, &QAction::triggered, this, &FrmOperativoMeno::mnuStampa_Click);
    connect(mnuAttestato, &QAction::triggered, this, &FrmOperativoMeno::mnuAttestato_Click);
    connect(MnuEsci, &QAction::triggered, this, &FrmOperativoMeno::MnuEsci_Click);
    connect(m_risultato, &TxtRisultato::textChanged, this, &FrmOperativoMeno::TxtRisultato_Change);
    connect(m_risultato, &TxtRisultato::cliccato, this, &FrmOperativoMeno::TxtRisultato_Click);
    m_risultato->impostaGestoreTasto([this](int& KeyAscii) { TxtRisultato_KeyPress(KeyAscii); });
}

ContestoDrill FrmOperativoMeno::contesto() const
{
    return ContestoDrill{s.orologio, s.caso, s.suono, s.cartellaProgramma};
}

void FrmOperativoMeno::Form_Load()
{
    Modulo1& r = s.registro;
    mnuStampa->setEnabled(false);
    mnuAttestato->setEnabled(false);
    setWindowTitle(QStringLiteral("ESERCIZI SULLE NUMERELLA.1"));
    coloraSfondo(Label2, rgb(250, 200, 110));
    coloraTesto(Label2, rgb(128, 0, 0));
    coloraSfondo(Label1, rgb(255, 240, 150));
    coloraTesto(Label1, rgb(250, 170, 110));
    coloraTesto(m_risultato, rgb(128, 64, 0));

    Label2->setText(qs(iniziaPratica(r)));
    LblEsercizio->setText(qs(testo(r.EsercizioN)));
    LblOperazione->setText(qs(testo(r.OperazioneN)));
    for (QLabel* l : {LblTempoParziale, LblTempoTotale, LblNumero1, LblNumero2, LblEsito})
        l->clear();

    CmdFine->show();
    CmdStampa->hide();
    CmdOperazione->hide();
    CmdVerifica->hide();
    if (m_stato.Ripartenza) {
        preparaRipartenza(r);
        CmdEsercizio->click();
    } else {
        CmdEsercizio->hide();
    }
    nuovaDomanda();
}

void FrmOperativoMeno::CmdEsercizio_Click()
{
    Modulo1& r = s.registro;
    // Once a practice is over (its fortieth operation judged and the review chosen), the next exercise
    // begins a new practice, exactly as declining the review does: the log has no room for a fifth exercise.
    if (praticaConclusa(r)) {
        if (rispostaFinePratica(r, m_stato, Messaggi::No))
            Form_Load();
        return;
    }
    fraTastierino->setEnabled(true);
    nascondiImmagini();
    nuovoEsercizio(r);
    LblOperazione->setText(qs(testo(r.OperazioneN)));
    LblEsercizio->setText(qs(testo(r.EsercizioN)));
    for (QLabel* l : {LblTempoParziale, LblTempoTotale, LblNumero1, LblNumero2, LblEsito})
        l->clear();
    CmdFine->show();
    CmdVerifica->hide();
    CmdOperazione->hide();
    CmdEsercizio->hide();
    CmdStampa->hide();
    nuovaDomanda();
}

void FrmOperativoMeno::CmdOperazione_Click()
{
    Modulo1& r = s.registro;
    fraTastierino->setEnabled(true);
    prossimaOperazione(r);
    LblTempoParziale->clear();
    LblOperazione->setText(qs(testo(r.OperazioneN)));
    CmdOperazione->hide();
    CmdVerifica->hide();
    CmdEsercizio->hide();
    m_risultato->clear();
    nuovaDomanda();
}

void FrmOperativoMeno::nuovaDomanda()
{
    Modulo1& r = s.registro;
    ContestoDrill c = contesto();
    livello(r, c);
    const Domanda d = visualizza(r, m_stato, c);
    if (d.disegnata) {
        LblNumero1->setText(qs(d.numero1));
        LblNumero2->setText(qs(d.numero2));
        spostaASinistra(LblNumero1, d.sinistraNumero1);
        spostaASinistra(LblNumero2, d.sinistraNumero2);
        spostaASinistra(m_risultato, d.sinistraRisultato);
    }
    // A new question takes a new answer.
    m_risultato->setReadOnly(false);
    m_risultato->clear();
    LblEsito->clear();
    LblIstruzione->setText(qs(kDigitaIlRisultato));
    daiFuoco(m_risultato);
}

void FrmOperativoMeno::nascondiImmagini()
{
    for (QLabel* img : m_immagini)
        img->hide();
}

void FrmOperativoMeno::tastoCifra(const QString& cifre)
{
    Modulo1& r = s.registro;
    r.Risposta += cifre.toStdString();
    m_risultato->setText(qs(r.Risposta));
    // The box keeps three characters; the answer judged is always what the box shows, also when a
    // press on a full box leaves its text as it was.
    r.Risposta = m_risultato->text().toStdString();
}

void FrmOperativoMeno::cmdCancella_Click()
{
    s.registro.Risposta.clear();
    m_risultato->clear();
}

void FrmOperativoMeno::TxtRisultato_Change()
{
    const QString testoBox = m_risultato->text();
    s.registro.Risposta = testoBox.toStdString();
    if (testoBox.isEmpty())
        return;
    CmdFine->hide();
    CmdStampa->hide();
    CmdVerifica->show();
    LblIstruzione->setText(qs(kIstruzioneVerifica));
}

void FrmOperativoMeno::TxtRisultato_KeyPress(int& KeyAscii)
{
    // A judged answer stays as it was judged: the box takes no more characters until the next question.
    if (m_stato.giudicata && KeyAscii != 13) {
        s.cicalino.beep();
        KeyAscii = 0;
        return;
    }
    if ((KeyAscii < '0' || KeyAscii > '9') && KeyAscii != 13 && KeyAscii != 8) {
        s.cicalino.beep();
        KeyAscii = 0;
        return;
    }
    if (KeyAscii != 13)
        return;
    if (m_stato.giudicata)
        return;
    Modulo1& r = s.registro;
    if (m_risultato->text().isEmpty()) {
        r.Messaggio = "Hai dimenticato il risultato";
        r.TitoloMsg = "distrazione";
        r.RispostaMsg = s.messaggi.mostra(qs(r.Messaggio), Messaggi::SoloOk, qs(r.TitoloMsg));
        daiFuoco(m_risultato);
        return;
    }
    if (r.OperazioneN == 10) {
        CmdEsercizio->show();
        daiFuoco(CmdEsercizio);
    } else {
        CmdVerifica->hide();
        CmdOperazione->show();
        daiFuoco(CmdOperazione);
    }
    verifica();
}

void FrmOperativoMeno::TxtRisultato_Click()
{
    daiFuoco(CmdOperazione);
}

void FrmOperativoMeno::CmdVerifica_Click()
{
    verifica();
}

void FrmOperativoMeno::verifica()
{
    Modulo1& r = s.registro;
    fraTastierino->setEnabled(false);
    ContestoDrill c = contesto();
    const Verdetto v = numerella::verifica(r, m_stato, m_risultato->text().toStdString(), c);
    if (!v.giudicata)
        return;
    m_risultato->setReadOnly(true);
    LblEsito->setText(qs(v.esito));
    if (v.immagine >= 1 && v.immagine <= 20)
        immagine(v.immagine)->show();
    if (v.fineEsercizio) {
        CmdEsercizio->show();
        CmdFine->show();
        CmdStampa->show();
        CmdOperazione->hide();
        CmdVerifica->hide();
    } else {
        CmdOperazione->show();
        CmdVerifica->hide();
        daiFuoco(CmdOperazione);
    }
    LblIstruzione->setText(qs(v.istruzione));
    LblTempoParziale->setText(qs(v.tempoParziale));
    LblTempoTotale->setText(qs(v.tempoTotale));
    if (v.abilitaMenu) {
        mnuStampa->setEnabled(true);
        mnuAttestato->setEnabled(true);
    }
    if (!v.finePratica)
        return;
    const int risposta = s.messaggi.mostra(qs(r.Messaggio), kStileFinePratica, qs(r.TitoloMsg));
    if (rispostaFinePratica(r, m_stato, risposta))
        Form_Load();
    else if (risposta == Messaggi::Si)
        s.finestre.mostra(QStringLiteral("FrmStampa"));
}

void FrmOperativoMeno::CmdStampa_Click()
{
    if (Finestra* stampa = s.finestre.mostra(QStringLiteral("FrmStampa")))
        daiFuoco(stampa->findChild<QWidget*>(QStringLiteral("cmdStampaS")));
}

void FrmOperativoMeno::mnuStampa_Click()
{
    s.finestre.mostra(QStringLiteral("FrmStampa"));
}

void FrmOperativoMeno::mnuAttestato_Click()
{
    s.finestre.mostra(QStringLiteral("FrmAttestato"));
}

void FrmOperativoMeno::CmdFine_Click()
{
    s.finestre.scarica(objectName());
}

void FrmOperativoMeno::MnuEsci_Click()
{
    s.finestre.scarica(objectName());
}

} // namespace numerella
