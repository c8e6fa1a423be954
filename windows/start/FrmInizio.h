#pragma once
// The start window: the pupil types a name, picks the question mode and one of six number ranges;
// the range buttons start the drill in the exercise window. Its menu opens the grading scale and the
// information program; its exits close the background window and itself.
#include "platform/Finestra.h"

class QComboBox;
class QFrame;
class QLineEdit;

namespace numerella {

class Pulsante;

class FrmInizio : public Finestra
{
    Q_OBJECT
public:
    explicit FrmInizio(Servizi& servizi);

    void Form_Load() override;
    void Form_QueryUnload() override;
    void Form_Unload() override;

    // Runs for each character typed into the name box before the box takes it; 0 discards the key.
    void TxtNome_KeyPress(int& KeyAscii);
    void cmdAvanti_Click();

    // Range buttons and the dispatch to the exercise window.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Smistamento();
    void propriet1();
    void propriet2();
    void propriet3();
    void coloraTema();

    // Menus and exits.
    void mnuValutazione_Click();
    void mnuInfo_Click();
    void mnuEsci_Click();
    void cmdFine_Click();
    void Command9_Click();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void creaTitolo();
    void creaCornici();
    void creaMenu();
    void impostaOrdineFuoco();

    bool nomeVuoto() const;
    void accettaNome();
    void rifiutaNome();
    void nomeModificato(const QString& testo);
    void sceltaFascia(long minimo, short massimo, long fascia);
    void applicaTema(const QColor& sfondo, const QColor& accento);
    void esci();

    QComboBox* Combo1;
    QFrame* Frame1;
    QFrame* Frame2;
    QLineEdit* txtNome;
    Pulsante* Command1;
    Pulsante* cmdAvanti;
};

} // namespace numerella
