#pragma once
// "STAMPA DELLE OPERAZIONI": the operation log of the practice, forty lines in four columns of ten
// with the time of each exercise under its column, and the print-out of the same on one sheet.
#include "platform/Finestra.h"

#include <QList>

class QLabel;

namespace numerella {

class Pulsante;

class FrmStampa : public Finestra
{
    Q_OBJECT
public:
    explicit FrmStampa(Servizi& servizi);

    void Form_Load() override;

    // The first font of the list named exactly "Courier" or "Courier New"; empty when there is none.
    static QString cercaFontPassoFisso(const QStringList& fonts);
    // The last log slot that the window and the print-out show: slots 1 to 40 only.
    static long ultimaRiga(long numeroOperazione);

    // Prints the operations sheet on the default printer.
    void stampa();

private:
    void intestazione(Stampante& stampante);
    void Command1_Click();

    QList<QLabel*> LblOp; // LblOp[k - 1] is LblOp(k)
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    Pulsante* Command1;
    Pulsante* cmdStampaS;
    Pulsante* Command2;
    VarIntero RigaBase;
};

} // namespace numerella
