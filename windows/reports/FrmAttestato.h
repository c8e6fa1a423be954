#pragma once
// The certificate made out to the pupil: name, goal, range, grade word, reason and date, over the
// drawing of a paper scroll. It recomputes everything each time it becomes the active window, prints
// its own image and holds the button that ends the program.
#include "platform/Finestra.h"

class QFrame;
class QLabel;

namespace numerella {

class Pulsante;

class FrmAttestato : public Finestra
{
    Q_OBJECT
public:
    explicit FrmAttestato(Servizi& servizi);

    void Form_Activate() override;

    // The name with its first character in upper case and the rest in lower case; empty stays empty.
    static QString nomeConIniziale(const QString& nome);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Command2_Click();

    QWidget* Frame2;
    QFrame* Frame1;
    QWidget* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* lblNome;
    QLabel* lblMotivo;
    QLabel* lblObiettivo1;
    QLabel* lblObiettivo2;
    QLabel* lblObiettivo3;
    QLabel* lblRapporto;
    QLabel* lblPerche;
    QLabel* lblData;
    Pulsante* Command2;
    Pulsante* Command1;
    Pulsante* CmdFine;
};

} // namespace numerella
