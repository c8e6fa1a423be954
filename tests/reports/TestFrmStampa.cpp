// The review window and the print-out, on the recording printer.
#include "Ambiente.h"
#include "PraticaDiProva.h"
#include "platform/Aspetto.h"
#include "platform/ServiziQt.h"
#include "windows/reports/FrmAttestato.h"
#include "windows/reports/FrmStampa.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace numerella;
using namespace numerella::prova;

class TestFrmStampa : public QObject
{
    Q_OBJECT
    std::unique_ptr<Ambiente> env;

    // Fills slots 1 to n of the log and the four exercise times.
    void pratica(int n) { riempiPratica(env->registro, n); }
    FrmStampa* apri() { return env->finestre.carica<FrmStampa>(QStringLiteral("FrmStampa")); }
    static QLabel* label(QWidget* w, const QString& nome) { return w->findChild<QLabel*>(nome); }
    static QLabel* op(QWidget* w, int k) { return label(w, QStringLiteral("LblOp%1").arg(k)); }

private slots:
    void initTestCase() { preparaApplicazione(); }
    void init()
    {
        env = std::make_unique<Ambiente>();
        env->registra<FrmStampa>(QStringLiteral("FrmStampa"));
        env->registra<FrmAttestato>(QStringLiteral("FrmAttestato"));
    }
    void cleanup()
    {
        QVERIFY2(env->messaggi.problemi().isEmpty(), qPrintable(env->messaggi.problemi()));
        env.reset();
    }

    void dopoDieciRisposte()
    {
        pratica(10);
        FrmStampa* w = apri();
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(op(w, k)->text(), rigaDiProva(k));
        for (int k = 11; k <= 40; ++k) {
            QCOMPARE(op(w, k)->text(), QString());
            QCOMPARE(op(w, k)->font().family(), QStringLiteral("Courier"));
            QCOMPARE(op(w, k)->font().pointSizeF(), 9.75);
        }
        QCOMPARE(label(w, "Label1")->text(), QStringLiteral("Tempo totale:     57 sec."));
        QCOMPARE(label(w, "Label2")->text(), QStringLiteral("Tempo totale:     102 sec."));
        QCOMPARE(label(w, "Label4")->text(), QStringLiteral("Tempo totale:     sec."));
        QCOMPARE(int(env->registro.Indice), 11);
    }

    void dopoQuarantaRisposteLaGriglia()
    {
        pratica(40);
        FrmStampa* w = apri();
        const struct
        {
            int k, x, y;
        } posti[] = {{1, 180, 900}, {10, 180, 4950}, {11, 3105, 900}, {21, 6030, 900}, {40, 8955, 4950}};
        for (const auto& p : posti) {
            QCOMPARE(op(w, p.k)->text(), rigaDiProva(p.k));
            QCOMPARE(geometriaTwips(op(w, p.k)), QRect(p.x, p.y, 2895, 435));
        }
        QCOMPARE(op(w, 40)->accessibleName(), QStringLiteral("Operazione 40"));
    }

    void oltreQuarantaMostraLeQuaranta()
    {
        pratica(40);
        env->registro.NumeroOperazione = 45;
        env->registro.ElencoOperazioni(41) = "oltre";
        FrmStampa* w = apri();
        QCOMPARE(op(w, 40)->text(), rigaDiProva(40));
        w->stampa();
        QCOMPARE(env->stampanti.documenti.last()->righe.size(), 1 + 40 + 4);
    }

    void sceltaDelFont_data()
    {
        QTest::addColumn<QStringList>("fonts");
        QTest::addColumn<QString>("trovato");
        QTest::addColumn<double>("punti");
        QTest::addColumn<bool>("grassetto");
        QTest::addRow("Courier New") << QStringList{"Arial", "Courier New"} << "Courier New" << 9.0 << true;
        QTest::addRow("Courier") << QStringList{"Courier", "Times"} << "Courier" << 10.0 << false;
        QTest::addRow("il primo dei due") << QStringList{"Courier New", "Courier"} << "Courier New" << 9.0 << true;
        QTest::addRow("nome esatto") << QStringList{"courier new", "Courier New ", "Courier"} << "Courier" << 10.0
                                     << false;
    }
    void sceltaDelFont()
    {
        QFETCH(QStringList, fonts);
        QFETCH(QString, trovato);
        QFETCH(double, punti);
        QFETCH(bool, grassetto);
        env->stampanti.fonts = fonts;
        pratica(3);
        FrmStampa* w = apri();
        QCOMPARE(label(w, "Label6")->text(), trovato);
        QCOMPARE(op(w, 3)->font().family(), trovato);
        QCOMPARE(op(w, 3)->font().pointSizeF(), punti);
        QCOMPARE(op(w, 3)->font().bold(), grassetto);
        QCOMPARE(op(w, 4)->font().family(), QStringLiteral("Courier"));
        w->stampa();
        QCOMPARE(env->stampanti.documenti.size(), 1);
        for (const auto& r : env->stampanti.documenti[0]->righe)
            QCOMPARE(r.font, trovato);
    }

    void senzaFontNessunaRigaENessunaStampa()
    {
        env->stampanti.fonts = {"Arial", "Times New Roman"};
        pratica(10);
        const QString avviso = QStringLiteral("Devi installare il font Courier o il font Courier New");
        env->messaggi.aspetta(avviso, Messaggi::SoloOk, {}, Messaggi::Ok);
        FrmStampa* w = apri();
        QVERIFY(w);
        QCOMPARE(op(w, 1)->text(), QString());
        QCOMPARE(label(w, "Label6")->text(), QString());
        QCOMPARE(label(w, "Label1")->text(), QStringLiteral("Tempo totale"));
        env->messaggi.aspetta(avviso, Messaggi::SoloOk, {}, Messaggi::Ok);
        w->findChild<QPushButton*>("cmdStampaS")->click();
        QVERIFY(env->stampanti.documenti.isEmpty());
    }

    void contenutoCalcolatoUnaVolta()
    {
        pratica(10);
        FrmStampa* w = apri();
        pratica(11);
        QCOMPARE(env->finestre.mostra(QStringLiteral("FrmStampa")), w);
        QCOMPARE(op(w, 11)->text(), QString());
    }

    void usciteEDTempi_data()
    {
        QTest::addColumn<QString>("uscita");
        QTest::addColumn<bool>("tempiSvuotati");
        QTest::addRow("ESCI") << "Command1" << true;
        QTest::addRow("menu Esci") << "MnuEsci" << false;
        QTest::addRow("chiusura") << "close" << false;
    }
    void usciteEDTempi()
    {
        QFETCH(QString, uscita);
        QFETCH(bool, tempiSvuotati);
        pratica(10);
        FrmStampa* w = apri();
        w->show();
        if (uscita == QLatin1String("Command1"))
            w->findChild<QPushButton*>(uscita)->click();
        else if (uscita == QLatin1String("MnuEsci"))
            w->findChild<QAction*>(uscita)->trigger();
        else
            w->close();
        QVERIFY(!env->finestre.caricata(QStringLiteral("FrmStampa")));
        Ambiente::eliminaScaricate();
        QCOMPARE(env->registro.TestoTempoEsercizio(1).empty(), tempiSvuotati);
        QCOMPARE(env->registro.TestoTempoEsercizio(4), std::string());
        w = apri();
        const QString atteso =
            tempiSvuotati ? QStringLiteral("Tempo totale:     sec.") : QStringLiteral("Tempo totale:     57 sec.");
        QCOMPARE(label(w, "Label1")->text(), atteso);
        QCOMPARE(op(w, 10)->text(), rigaDiProva(10));
    }

    void stampaIlFoglio()
    {
        pratica(40);
        env->registro.ElencoOperazioni(7) = "";
        FrmStampa* w = apri();
        w->findChild<QPushButton*>("cmdStampaS")->click();
        QCOMPARE(env->stampanti.documenti.size(), 1);
        const DocumentoFinto& d = *env->stampanti.documenti[0];
        QVERIFY(d.finito);
        QCOMPARE(d.cosa, QStringLiteral("Operazioni"));
        QCOMPARE(d.righe.size(), 45);
        const auto& testa = d.righe[0];
        QCOMPARE(testa.testo, QStringLiteral("SCUOLA ELEMENTARE DI_____________________   "));
        QCOMPARE(QPoint(testa.x, testa.y), QPoint(1000, 1000));
        QCOMPARE(testa.punti, 18.0);
        QVERIFY(!testa.grassetto);
        for (int k = 1; k <= 40; ++k) {
            const auto& r = d.righe[k];
            const int colonna = ((k - 1) / 10) % 2, blocco = (k - 1) / 20;
            const QPoint atteso(colonna ? 6000 : 1000, 2000 + 4400 * blocco + 400 * ((k - 1) % 10));
            QCOMPARE(QPoint(r.x, r.y), atteso);
            QCOMPARE(r.testo, k == 7 ? QString() : rigaDiProva(k));
            QCOMPARE(r.punti, 12.0);
            QVERIFY(r.grassetto);
        }
        const QStringList tempi = {"Eser. n.1: Tempo tot.  57 secondi", "Eser. n.2: Tempo tot.  102 secondi",
                                   "Eser. n.3: Tempo tot.  8 secondi", "Eser. n.4: Tempo tot.  secondi"};
        const QPoint posti[] = {{1000, 11000}, {6000, 11000}, {1000, 12000}, {6000, 12000}};
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(d.righe[41 + k].testo, tempi[k]);
            QCOMPARE(QPoint(d.righe[41 + k].x, d.righe[41 + k].y), posti[k]);
            QVERIFY(d.righe[41 + k].grassetto);
        }
        QCOMPARE(int(env->registro.Indice), 5);
        // A second sheet starts again with a heading that is not bold.
        w->stampa();
        QCOMPARE(env->stampanti.documenti.size(), 2);
        QVERIFY(!env->stampanti.documenti[1]->righe[0].grassetto);
    }

    void dopoDieciRisposteLeAltreTreParti()
    {
        pratica(10);
        apri()->stampa();
        const DocumentoFinto& d = *env->stampanti.documenti[0];
        QCOMPARE(d.righe.size(), 1 + 10 + 4);
        QCOMPARE(QPoint(d.righe[10].x, d.righe[10].y), QPoint(1000, 5600));
        QCOMPARE(d.righe[11].testo, QStringLiteral("Eser. n.1: Tempo tot.  57 secondi"));
    }

    void apreLAttestato()
    {
        pratica(10);
        env->registro.TotaleEsatte = 8;
        FrmStampa* w = apri();
        w->findChild<QPushButton*>("Command2")->click();
        QVERIFY(env->finestre.caricata(QStringLiteral("FrmAttestato")));
        QVERIFY(env->finestre.caricata(QStringLiteral("FrmStampa")));
    }
};

QTEST_MAIN(TestFrmStampa)
#include "TestFrmStampa.moc"
