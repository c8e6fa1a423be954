#pragma once
// A stand-in for the exercise window: the controls that the start window recolours, and a load handler
// that notes what it found in the record and on its own controls when it ran.
#include "platform/Finestra.h"
#include "platform/Pulsante.h"

#include <QColor>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace numerella::prova {

// What the load handler found when it ran.
struct CaricamentoVisto
{
    long NumeroMin = -1, NumeroMax = -1, Fascia = -1, FormaMin = -1, FormaMax = -1;
    std::string ColoreTema;
    QString didascalia;
    QColor sfondo;
    QColor accento;
};

class EsercizioFinto : public Finestra
{
    Q_OBJECT
public:
    using AlCaricamento = CaricamentoVisto;
    static inline int caricamenti = 0;
    static inline AlCaricamento visto;

    explicit EsercizioFinto(Servizi& servizi) : Finestra(servizi, QStringLiteral("FrmOperativoMeno"))
    {
        impostaAreaClient(9000, 6000);
        auto* frmNumero = new QFrame(area());
        frmNumero->setObjectName(QStringLiteral("frmNumero"));
        auto* TxtRisultato = new QLineEdit(frmNumero);
        TxtRisultato->setObjectName(QStringLiteral("TxtRisultato"));
        auto* Label1 = new QLabel(area());
        Label1->setObjectName(QStringLiteral("Label1"));
        for (const char* nome : {"frmElaborazione", "frmValutazione"})
            (new QGroupBox(area()))->setObjectName(QString::fromLatin1(nome));
        for (const char* nome : {"CmdFine", "cmdSfondo", "CmdVerifica", "CmdOperazione", "CmdEsercizio", "CmdStampa"})
            new Pulsante(QString::fromLatin1(nome), QString::fromLatin1(nome), area());
    }

    void Form_Load() override
    {
        ++caricamenti;
        const Modulo1& r = s.registro;
        visto = {r.NumeroMin,
                 r.NumeroMax,
                 r.Fascia,
                 r.FormaMin,
                 r.FormaMax,
                 r.ColoreTema,
                 findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 area()->palette().color(QPalette::Window),
                 findChild<QWidget*>(QStringLiteral("CmdStampa"))->palette().color(QPalette::Button)};
    }
};

} // namespace numerella::prova
