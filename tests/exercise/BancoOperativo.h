#pragma once
// The exercise window on a scripted practice: range 5 to 19 (code 4), every question shape, the
// review and certificate windows replaced by small stand-ins.
#include "Ambiente.h"
#include "platform/Pulsante.h"
#include "windows/exercise/FrmOperativoMeno.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace numerella::prova {

// Stand-in of the review window: only its print button.
class StampaSostituta : public Finestra
{
public:
    explicit StampaSostituta(Servizi& s) : Finestra(s, QStringLiteral("FrmStampa"))
    {
        new Pulsante(QStringLiteral("cmdStampaS"), QStringLiteral("Stampa"), area());
        impostaAreaClient(3000, 1500);
    }
};

class AttestatoSostituto : public Finestra
{
public:
    explicit AttestatoSostituto(Servizi& s) : Finestra(s, QStringLiteral("FrmAttestato"))
    {
        impostaAreaClient(3000, 1500);
    }
};

struct Operazione
{
    int a1, a2, forma;
    int esatta() const { return forma == 1 ? a1 + a2 : a2; }
    // The operation line as the review shows it: numbers right-aligned in two columns, the answer in
    // brackets right-aligned in six, the seconds in three.
    QString riga(const QString& risposta, bool giusta, int secondi) const
    {
        QString domanda;
        if (forma == 1)
            domanda = QStringLiteral("%1 + %2 =  ?").arg(a1, 2).arg(a2, 2);
        else if (forma == 2)
            domanda = QStringLiteral(" ? + %1 = %2").arg(a1, 2).arg(a1 + a2, 2);
        else
            domanda = QStringLiteral("%1 +  ? = %2").arg(a1, 2).arg(a1 + a2, 2);
        return domanda + QStringLiteral("%1%2%3 Tp")
                             .arg(QStringLiteral("(%1)").arg(risposta), 6)
                             .arg(giusta ? QStringLiteral(" ") : QStringLiteral("*"))
                             .arg(secondi, 3);
    }
};

struct BancoOperativo
{
    Ambiente env;
    FrmOperativoMeno* f = nullptr;

    BancoOperativo()
    {
        env.registra<FrmOperativoMeno>(QStringLiteral("FrmOperativoMeno"));
        env.registra<StampaSostituta>(QStringLiteral("FrmStampa"));
        env.registra<AttestatoSostituto>(QStringLiteral("FrmAttestato"));
        env.registro.NumeroMin = 5;
        env.registro.NumeroMax = 19;
        env.registro.Fascia = 4;
        env.registro.FormaMin = 1;
        env.registro.FormaMax = 3;
    }

    // Scripts the random values of the next question.
    void prepara(const Operazione& o)
    {
        env.caso.valori.push_back(CasualeFinto::per(o.a1, 15, 5));
        env.caso.valori.push_back(CasualeFinto::per(o.a2, 15, 5));
        env.caso.valori.push_back(CasualeFinto::per(o.forma, 3, 1));
    }

    // Loads and shows the window on the first question o, and waits until it is the active window.
    FrmOperativoMeno* apri(const Operazione& o)
    {
        prepara(o);
        f = qobject_cast<FrmOperativoMeno*>(env.finestre.mostra(QStringLiteral("FrmOperativoMeno")));
        if (f)
            (void)QTest::qWaitForWindowActive(f);
        return f;
    }

    template <class W = QWidget> W* c(const char* nome) const { return f->findChild<W*>(QString::fromLatin1(nome)); }
    QLabel* l(const char* nome) const { return c<QLabel>(nome); }
    QAbstractButton* b(const char* nome) const { return c<QAbstractButton>(nome); }
    QLineEdit* box() const { return c<QLineEdit>("TxtRisultato"); }
    QAction* menu(const char* nome) const { return c<QAction>(nome); }
    QLabel* faccia(int k) const { return c<QLabel>(qPrintable(QStringLiteral("Image%1").arg(k))); }
    bool visibile(const char* nome) const { return !c(nome)->isHidden(); }
    QWidget* fuoco() const { return QApplication::focusWidget(); }
    QString log(int k) const { return QString::fromStdString(env.registro.ElencoOperazioni(k)); }
    int facceVisibili() const
    {
        int n = 0;
        for (int k = 1; k <= 20; ++k)
            n += !faccia(k)->isHidden();
        return n;
    }
    // Presses the keypad keys that write the digits.
    void tastierino(const QString& cifre)
    {
        static const char* tasti[10] = {"Command13", "Command2", "Command3", "Command4", "Command5",
                                        "Command6",  "Command7", "Command8", "Command9", "Command10"};
        for (QChar ch : cifre)
            b(tasti[ch.digitValue()])->click();
    }
};

} // namespace numerella::prova
