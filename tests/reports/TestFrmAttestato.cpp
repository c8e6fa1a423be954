// The certificate: its texts, the grade, the print button and the ways out.
#include "Ambiente.h"
#include "platform/Aspetto.h"
#include "platform/ServiziQt.h"
#include "windows/reports/FrmAttestato.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace numerella;
using namespace numerella::prova;

namespace {

// Stands for the exercise window: only its mode caption matters here.
class EsercizioFinto : public Finestra
{
public:
    explicit EsercizioFinto(Servizi& s) : Finestra(s, QStringLiteral("FrmOperativoMeno"))
    {
        auto* l = new QLabel(QStringLiteral("Trova il risultato"), area());
        l->setObjectName(QStringLiteral("Label1"));
    }
};

} // namespace

class TestFrmAttestato : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> env;

    FrmAttestato* apri()
    {
        auto* w = env->finestre.carica<FrmAttestato>(QStringLiteral("FrmAttestato"));
        w->Form_Activate();
        return w;
    }
    static QString testo(QWidget* w, const char* nome) { return w->findChild<QLabel*>(nome)->text(); }
    static QPushButton* pulsante(QWidget* w, const char* nome) { return w->findChild<QPushButton*>(nome); }
    void pratica(int esatte, int operazioni)
    {
        env->registro.TotaleEsatte = std::int16_t(esatte);
        env->registro.NumeroOperazione = operazioni;
    }

private slots:
    void initTestCase() { preparaApplicazione(); }
    void init()
    {
        env = std::make_unique<Ambiente>();
        env->registra<FrmAttestato>(QStringLiteral("FrmAttestato"));
        env->registra<EsercizioFinto>(QStringLiteral("FrmOperativoMeno"));
        env->registro.NomeAlunno = "aBC dEF";
        env->registro.NumeroMin = 1;
        env->registro.NumeroMax = 10;
        env->registro.TestoModo = "Modo registrato";
    }
    void cleanup()
    {
        QVERIFY2(env->messaggi.problemi().isEmpty(), qPrintable(env->messaggi.problemi()));
        env.reset();
    }

    void iTestiDellAttestato()
    {
        pratica(38, 40);
        FrmAttestato* w = apri();
        QCOMPARE(testo(w, "lblNome"), QStringLiteral("Abc def"));
        QCOMPARE(env->registro.NomeAlunno, std::string("Abc def"));
        QCOMPARE(long(env->registro.LunghezzaNome), 7L);
        QCOMPARE(testo(w, "lblMotivo"), QStringLiteral("per aver  conseguito l'obiettivo"));
        QCOMPARE(testo(w, "lblObiettivo1"), QStringLiteral("Saper eseguire le numerella.1"));
        QCOMPARE(testo(w, "lblObiettivo2"), QStringLiteral(" Numeri da  1 a 10"));
        QCOMPARE(testo(w, "lblRapporto"), QStringLiteral("OTTIMO"));
        QCOMPARE(testo(w, "lblPerche"), QStringLiteral("Per aver dato 38 risposte esatte su 40"));
        QCOMPARE(testo(w, "lblData"), QStringLiteral("Data        11/12/26"));
        QCOMPARE(env->registro.Voto, std::int16_t(9));
        QCOMPARE(env->registro.Giudizio, std::string("OTTIMO"));
        QCOMPARE(geometriaTwips(w->findChild<QWidget*>("Frame2")), QRect(2955, 465, 6090, 8460));
        QCOMPARE(w->area()->size(), QSize(800, 600));
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(pulsante(w, "Command2")->isEnabled());
    }

    // Showing the window makes it the active window, which works the certificate out: no code path
    // calls the activation handler by hand.
    void mostrarlaLoCompila()
    {
        pratica(30, 40);
        Finestra* w = env->finestre.mostra(QStringLiteral("FrmAttestato"));
        QVERIFY(w);
        QTRY_COMPARE(testo(w, "lblNome"), QStringLiteral("Abc def"));
        QCOMPARE(testo(w, "lblRapporto"), QStringLiteral("BUONO"));
        // Back to the front after more answers: worked out again.
        pratica(32, 40);
        auto* altra = new QWidget(w);
        altra->setWindowFlags(Qt::Window);
        altra->show();
        altra->activateWindow();
        QTRY_VERIFY(altra->isActiveWindow());
        env->finestre.mostra(QStringLiteral("FrmAttestato"));
        QTRY_COMPARE(testo(w, "lblRapporto"), QStringLiteral("DISTINTO"));
    }

    void ilNome_data()
    {
        QTest::addColumn<QString>("scritto");
        QTest::addColumn<QString>("atteso");
        QTest::addColumn<int>("lunghezza");
        QTest::addRow("dopo uno spazio resta minuscolo") << "aBC dEF"
                                                         << "Abc def" << 7;
        QTest::addRow("una lettera") << "x"
                                     << "X" << 1;
        QTest::addRow("accentata") << "élia"
                                   << "Élia" << 4;
        QTest::addRow("vuoto") << ""
                               << "" << 0;
        // A name is text, never markup.
        QTest::addRow("segni di markup") << "<b>ada</b>"
                                         << "<b>ada</b>" << 10;
    }
    void ilNome()
    {
        QFETCH(QString, scritto);
        QFETCH(QString, atteso);
        QFETCH(int, lunghezza);
        env->registro.NomeAlunno = scritto.toStdString();
        pratica(5, 10);
        FrmAttestato* w = apri();
        QCOMPARE(testo(w, "lblNome"), atteso);
        QCOMPARE(w->findChild<QLabel*>("lblNome")->textFormat(), Qt::PlainText);
        QCOMPARE(QString::fromStdString(env->registro.NomeAlunno), atteso);
        QCOMPARE(long(env->registro.LunghezzaNome), long(lunghezza));
    }

    void ilModo()
    {
        pratica(7, 10);
        FrmAttestato* w = apri();
        // The exercise window is closed: the recorded caption, and the exercise window stays closed.
        QCOMPARE(testo(w, "lblObiettivo3"), QStringLiteral("Modo registrato"));
        QVERIFY(!env->finestre.caricata(QStringLiteral("FrmOperativoMeno")));
        QCOMPARE(testo(w, "lblRapporto"), QStringLiteral("BUONO"));
        env->finestre.carica(QStringLiteral("FrmOperativoMeno"));
        w->Form_Activate();
        QCOMPARE(testo(w, "lblObiettivo3"), QStringLiteral("Trova il risultato"));
    }

    void nonStampabileResta()
    {
        pratica(19, 40);
        FrmAttestato* w = apri();
        QCOMPARE(testo(w, "lblRapporto"), QStringLiteral("Non classificato"));
        QPushButton* stampa = pulsante(w, "Command2");
        QVERIFY(!stampa->isEnabled());
        QCOMPARE(stampa->text(), QStringLiteral("ATTESTATO NON STAMPABILE"));
        pratica(30, 40);
        w->Form_Activate();
        QCOMPARE(testo(w, "lblRapporto"), QStringLiteral("BUONO"));
        QVERIFY(!stampa->isEnabled());
        QCOMPARE(stampa->text(), QStringLiteral("ATTESTATO NON STAMPABILE"));
        // Enter on a disabled print button prints nothing.
        QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w, &invio);
        QVERIFY(env->stampanti.documenti.isEmpty());
    }

    void stampaSenzaIPulsanti_data()
    {
        QTest::addColumn<bool>("daTastiera");
        QTest::addRow("pulsante") << false;
        QTest::addRow("Invio") << true;
    }
    void stampaSenzaIPulsanti()
    {
        QFETCH(bool, daTastiera);
        pratica(9, 10);
        FrmAttestato* w = apri();
        w->show();
        if (daTastiera) {
            QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(w, &invio);
        } else {
            pulsante(w, "Command2")->click();
        }
        QCOMPARE(env->stampanti.documenti.size(), 1);
        const DocumentoFinto& d = *env->stampanti.documenti[0];
        QCOMPARE(d.cosa, QStringLiteral("Attestato"));
        QCOMPARE(d.immagini, 1);
        QVERIFY(d.finito);
        QCOMPARE(d.controlliVisibili[0], QStringList());
        for (const char* nome : {"Command2", "Command1", "CmdFine"})
            QVERIFY(pulsante(w, nome)->isVisible());
    }

    void uscite()
    {
        pratica(9, 10);
        FrmAttestato* w = apri();
        w->show();
        pulsante(w, "CmdFine")->click();
        QVERIFY(!env->finestre.caricata(QStringLiteral("FrmAttestato")));
        QCOMPARE(env->terminazione.subito, 0);
        Ambiente::eliminaScaricate();
        w = apri();
        pulsante(w, "Command1")->click();
        QCOMPARE(env->terminazione.subito, 1);
    }
};

QTEST_MAIN(TestFrmAttestato)
#include "TestFrmAttestato.moc"
