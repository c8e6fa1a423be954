// From start-up to the end of the first exercise with the program's real windows: a name, a mode and a
// range on the start window, then ten operations answered in the exercise window.
#include "Ambiente.h"
#include "platform/ServiziQt.h"
#include "windows/Registro.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>

using namespace numerella;

namespace {

struct Operazione
{
    int a1, a2, forma;
    int esatta() const { return forma == 1 ? a1 + a2 : a2; }
    // The operation line of the log: the question in 12 characters, the answer in brackets right-aligned
    // in six, a star for a wrong answer, the seconds in three.
    QString riga(int risposta, int secondi) const
    {
        const QString domanda = forma == 1   ? QStringLiteral("%1 + %2 =  ?").arg(a1, 2).arg(a2, 2)
                                : forma == 2 ? QStringLiteral(" ? + %1 = %2").arg(a1, 2).arg(a1 + a2, 2)
                                             : QStringLiteral("%1 +  ? = %2").arg(a1, 2).arg(a1 + a2, 2);
        return domanda + QStringLiteral("%1%2%3 Tp")
                             .arg(QStringLiteral("(%1)").arg(risposta), 6)
                             .arg(risposta == esatta() ? QStringLiteral(" ") : QStringLiteral("*"))
                             .arg(secondi, 3);
    }
};

} // namespace

class TestPercorso : public QObject
{
    Q_OBJECT
    std::unique_ptr<prova::Ambiente> env;

    template <class W = QWidget> W* in(const char* finestra, const char* nome) const
    {
        Finestra* f = env->finestre.caricata(QString::fromLatin1(finestra));
        return f ? f->findChild<W*>(QString::fromLatin1(nome)) : nullptr;
    }
    // Scripts the random values of the next question of range code 2 (addends 1..20 and 0..19) in the
    // addends mode (shapes 2 and 3).
    void prepara(const Operazione& o)
    {
        env->caso.valori.push_back(prova::CasualeFinto::per(o.a1, 20, 1));
        env->caso.valori.push_back(prova::CasualeFinto::per(o.a2, 20, 0));
        env->caso.valori.push_back(prova::CasualeFinto::per(o.forma, 2, 2));
    }

private slots:
    void initTestCase() { preparaApplicazione(); }
    void init()
    {
        env = std::make_unique<prova::Ambiente>();
        registraFinestre(env->finestre);
    }
    void cleanup()
    {
        QCOMPARE(env->messaggi.problemi(), QString());
        env.reset();
    }

    void dallAvvioAlPrimoEsercizio()
    {
        const Operazione operazioni[10] = {{3, 4, 2},  {12, 5, 3}, {1, 0, 2},  {9, 9, 3},  {7, 11, 2},
                                           {15, 2, 3}, {6, 6, 2},  {10, 8, 3}, {2, 17, 2}, {4, 13, 3}};
        const int sbagliata = 4; // the fifth answer is wrong

        env->finestre.carica(QStringLiteral("frmSfondo"));
        auto* nome = in<QLineEdit>("FrmInizio", "txtNome");
        QVERIFY(nome);
        QTest::keyClicks(nome, "Anna");
        QTest::keyClick(nome, Qt::Key_Return);
        in<QComboBox>("FrmInizio", "Combo1")->setCurrentIndex(1);
        prepara(operazioni[0]);
        in<QAbstractButton>("FrmInizio", "Command2")->click();

        Finestra* esercizio = env->finestre.caricata(QStringLiteral("FrmOperativoMeno"));
        QVERIFY(esercizio && esercizio->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(esercizio));
        QCOMPARE(in<QLabel>("FrmOperativoMeno", "Label1")->text(), QStringLiteral(" Calcola gli addendi"));
        QCOMPARE(esercizio->area()->palette().color(QPalette::Window), QColor(200, 255, 255));
        QCOMPARE(in("FrmOperativoMeno", "CmdVerifica")->palette().color(QPalette::Button), QColor(200, 200, 255));
        QCOMPARE(QString::fromStdString(env->registro.NomeAlunno), QStringLiteral("Anna"));

        auto* risposta = in<QLineEdit>("FrmOperativoMeno", "TxtRisultato");
        for (int k = 0; k < 10; ++k) {
            const Operazione& o = operazioni[k];
            QCOMPARE(QString::fromStdString(env->registro.RispostaEsatta), QString::number(o.esatta()));
            const int data = k == sbagliata ? o.esatta() + 1 : o.esatta();
            env->orologio.ora += 3.0f; // three seconds to answer
            QTest::keyClicks(risposta, QString::number(data));
            QTest::keyClick(risposta, Qt::Key_Return);
            QCOMPARE(in<QLabel>("FrmOperativoMeno", "LblEsito")->text(),
                     k == sbagliata ? QStringLiteral("E R R A T O") : QStringLiteral("E S A T T O"));
            QCOMPARE(QString::fromStdString(env->registro.ElencoOperazioni(k + 1)), o.riga(data, 3));
            if (k < 9) {
                prepara(operazioni[k + 1]);
                in<QAbstractButton>("FrmOperativoMeno", "CmdOperazione")->click();
            }
        }
        QCOMPARE(long(env->registro.EsatteEsercizio), 9L);
        QCOMPARE(int(env->registro.ErrateEsercizio), 1);
        QCOMPARE(env->suono.suonati.size(), std::size_t(9));
        QVERIFY(!in("FrmOperativoMeno", "CmdEsercizio")->isHidden());
        QCOMPARE(in<QLabel>("FrmOperativoMeno", "LblIstruzione")->text(),
                 QStringLiteral("Clicca sul pulsante Nuovo esercizio"));
        // The start and background windows are still there behind it.
        QVERIFY(env->finestre.caricata(QStringLiteral("FrmInizio")));
        QVERIFY(env->finestre.caricata(QStringLiteral("frmSfondo")));
    }

    void nuovaSceltaAEsercizioAperto()
    {
        env->finestre.carica(QStringLiteral("frmSfondo"));
        auto* nome = in<QLineEdit>("FrmInizio", "txtNome");
        QTest::keyClicks(nome, "Ugo");
        QTest::keyClick(nome, Qt::Key_Return);
        in<QComboBox>("FrmInizio", "Combo1")->setCurrentIndex(1);
        prepara({5, 8, 3});
        in<QAbstractButton>("FrmInizio", "Command2")->click();
        Finestra* esercizio = env->finestre.caricata(QStringLiteral("FrmOperativoMeno"));
        QVERIFY(esercizio);
        const QString numero1 = in<QLabel>("FrmOperativoMeno", "LblNumero1")->text();
        const QString numero2 = in<QLabel>("FrmOperativoMeno", "LblNumero2")->text();
        const std::string riga = env->registro.ElencoOperazioni(1);

        // Back to the start window: the sum mode and the range 10..40, with the exercise window open.
        env->finestre.mostra(QStringLiteral("FrmInizio"));
        in<QComboBox>("FrmInizio", "Combo1")->setCurrentIndex(0);
        in<QAbstractButton>("FrmInizio", "Command4")->click();
        QCOMPARE(env->finestre.caricata(QStringLiteral("FrmOperativoMeno")), esercizio);
        QCOMPARE(in<QLabel>("FrmOperativoMeno", "Label1")->text(), QStringLiteral(" Calcola la somma"));
        QCOMPARE(esercizio->area()->palette().color(QPalette::Window), QColor(250, 250, 200));
        QCOMPARE(in("FrmOperativoMeno", "frmValutazione")->palette().color(QPalette::Window), QColor(240, 220, 150));
        // The operation on screen and the counters stay as they were.
        QCOMPARE(in<QLabel>("FrmOperativoMeno", "LblNumero1")->text(), numero1);
        QCOMPARE(in<QLabel>("FrmOperativoMeno", "LblNumero2")->text(), numero2);
        QCOMPARE(env->registro.ElencoOperazioni(1), riga);
        QCOMPARE(long(env->registro.NumeroOperazione), 1L);
        QCOMPARE(QString::fromStdString(env->registro.RispostaEsatta), QStringLiteral("8"));

        // The next operation is drawn from the new range in the sum shape.
        auto* risposta = in<QLineEdit>("FrmOperativoMeno", "TxtRisultato");
        QTest::keyClicks(risposta, "8");
        QTest::keyClick(risposta, Qt::Key_Return);
        env->caso.valori.push_back(prova::CasualeFinto::per(12, 15, 5));
        env->caso.valori.push_back(prova::CasualeFinto::per(7, 15, 5));
        env->caso.valori.push_back(0.5f);
        in<QAbstractButton>("FrmOperativoMeno", "CmdOperazione")->click();
        QCOMPARE(int(env->registro.Forma), 1);
        QCOMPARE(QString::fromStdString(env->registro.RispostaEsatta), QStringLiteral("19"));
    }
};

QTEST_MAIN(TestPercorso)
#include "test_percorso.moc"
