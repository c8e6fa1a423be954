#include "windows/start/FrmValutazione.h"

#include "platform/Aspetto.h"
#include "platform/GestoreFinestre.h"

#include <QFrame>
#include <QLabel>

namespace numerella {

namespace {

QFrame* riquadro(const QString& nome, const QString& descrizione, QWidget* genitore)
{
    auto* f = new QFrame(genitore);
    f->setObjectName(nome);
    f->setAccessibleName(descrizione);
    coloraSfondo(f, rgb(128, 255, 255));
    // Its clicks stay inside it: only the bare window closes the scale.
    f->setAttribute(Qt::WA_NoMousePropagation);
    return f;
}

QLabel* riga(const QString& nome, const QString& testo, QWidget* genitore, const QFont& carattere, const QColor& colore)
{
    QLabel* l = nuovaEtichetta(genitore, nome, testo);
    l->setFont(carattere);
    coloraTesto(l, colore);
    rendiTrasparente(l);
    return l;
}

} // namespace

FrmValutazione::FrmValutazione(Servizi& servizi) : Finestra(servizi, QStringLiteral("FrmValutazione"))
{
    setWindowTitle(QStringLiteral("SCALA  DI  VALUTAZIONE"));
    impostaAreaClient(7215, 4620);
    coloraSfondo(area(), rgb(192, 255, 255));

    const QFont intestazione = arial(9.75, true);
    const QColor viola = rgb(128, 0, 128);
    const QFont voto = arial(12, true);
    const QColor blu = rgb(0, 0, 255);

    QFrame* Frame1 = riquadro(QStringLiteral("Frame1"), QStringLiteral("Scala di valutazione"), area());
    riga(QStringLiteral("Label9"), QStringLiteral("SCALA DI VALUTAZIONE"), Frame1, intestazione, viola);
    riga(QStringLiteral("Label1"), QStringLiteral("10/10 ottimo"), Frame1, voto, blu);
    riga(QStringLiteral("Label7"), QStringLiteral(" 9/10 ottimo"), Frame1, voto, blu);
    riga(QStringLiteral("Label6"), QStringLiteral(" 8/10 distinto"), Frame1, voto, blu);
    riga(QStringLiteral("Label5"), QStringLiteral(" 7/10 buono"), Frame1, voto, blu);
    riga(QStringLiteral("Label3"), QStringLiteral(" 6/10 sufficiente"), Frame1, voto, blu);
    riga(QStringLiteral("Label2"), QStringLiteral(" 5/10 sufficiente (!)"), Frame1, voto, blu);

    QFrame* Frame2 = riquadro(QStringLiteral("Frame2"), QStringLiteral("Attestato di valutazione"), area());
    riga(QStringLiteral("Label8"), QStringLiteral("ATTESTATO DI VALUTAZIONE"), Frame2, intestazione, viola);
    riga(QStringLiteral("Label4"),
         QStringLiteral("Puoi stampare l'attestato  dopo aver eseguito per intero almeno un esercizio"), Frame2, voto,
         blu)
        ->setWordWrap(true);

    QLabel* Label10 = riga(QStringLiteral("Label10"),
                           QStringLiteral("L'attesto di valutazione va ritagliato e incollato sul quaderno accanto "
                                          "alle operazioni eseguite"),
                           area(), arial(14.25), palette().color(QPalette::WindowText));
    Label10->setWordWrap(true);
    coloraSfondo(Label10, palette().color(QPalette::Button));
    Label10->setAttribute(Qt::WA_NoMousePropagation);

    disponi(area(), {{"Frame1", 240, 90, 3345, 3300},
                     {"Label9", 285, 75, 2865, 360},
                     {"Label1", 270, 540, 2985, 360},
                     {"Label7", 270, 1050, 2985, 360},
                     {"Label6", 270, 1515, 2985, 360},
                     {"Label5", 270, 1950, 2985, 360},
                     {"Label3", 270, 2415, 2985, 360},
                     {"Label2", 285, 2895, 2985, 360},
                     {"Frame2", 3645, 90, 3345, 3300},
                     {"Label8", 150, 75, 3015, 360},
                     {"Label4", 165, 900, 2730, 1650},
                     {"Label10", 255, 3690, 6660, 675}});
}

void FrmValutazione::Form_Click()
{
    s.finestre.scarica(objectName());
}

} // namespace numerella
