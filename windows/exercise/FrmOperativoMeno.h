#pragma once
// The exercise window: shows each operation in large type, takes the answer from the keyboard or the
// on-screen keypad, judges it through the drill core and leads the pupil from one operation and
// exercise to the next. The window's own variables (StatoOperativo) live as long as the window object.
#include "core/Drill.h"
#include "platform/Finestra.h"

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QWidget;

namespace numerella {

class Pulsante;
class TxtRisultato;

class FrmOperativoMeno : public Finestra
{
    Q_OBJECT
public:
    explicit FrmOperativoMeno(Servizi& servizi);

    // Start of a practice: counters, captions and buttons of a first question, then the first question.
    void Form_Load() override;

    const StatoOperativo& stato() const { return m_stato; }

private:
    // Builds every control at its design place, colour and font (FrmOperativoMenoControlli.cpp).
    void costruisciControlli();
    void costruisciMenu();
    void collegaGestori();

    void CmdEsercizio_Click();
    void CmdOperazione_Click();
    void CmdVerifica_Click();
    void CmdFine_Click();
    void CmdStampa_Click();
    void mnuStampa_Click();
    void mnuAttestato_Click();
    void MnuEsci_Click();
    void cmdCancella_Click();
    // A digit key of the keypad: appends its caption to the answer.
    void tastoCifra(const QString& cifre);
    void TxtRisultato_Change();
    void TxtRisultato_KeyPress(int& KeyAscii);
    void TxtRisultato_Click();

    // Hides Image1 to Image20.
    void nascondiImmagini();
    // Draws the next pair (livello), builds the question (visualizza) and shows it.
    void nuovaDomanda();
    // Judges the answer in the box (verifica) and shows the verdict; at the end of a practice asks
    // whether to review the operations.
    void verifica();
    ContestoDrill contesto() const;
    QLabel* immagine(int k) const { return m_immagini.at(std::size_t(k - 1)); }

    StatoOperativo m_stato;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* LblEsito = nullptr;
    QLabel* LblIstruzione = nullptr;
    QWidget* frmNumero = nullptr;
    QLabel* LblNumero1 = nullptr;
    QLabel* LblNumero2 = nullptr;
    TxtRisultato* m_risultato = nullptr;
    QGroupBox* fraTastierino = nullptr;
    Pulsante* cmdCancella = nullptr;
    Pulsante* CmdEsercizio = nullptr;
    Pulsante* CmdOperazione = nullptr;
    Pulsante* CmdVerifica = nullptr;
    Pulsante* cmdSfondo = nullptr;
    Pulsante* CmdStampa = nullptr;
    Pulsante* CmdFine = nullptr;
    QLabel* LblEsercizio = nullptr;
    QLabel* LblOperazione = nullptr;
    QLabel* LblTempoParziale = nullptr;
    QLabel* LblTempoTotale = nullptr;
    std::array<QLabel*, 20> m_immagini{};
    QAction* mnuStampa = nullptr;
    QAction* mnuAttestato = nullptr;
    QAction* MnuEsci = nullptr;
};

} // namespace numerella
