// The question builder: the shape within the mode, the places of the numbers and the answer box, the
// expected answer and the 12-character question half of the operation line.
#include "FakeCore.h"
#include "Tabelle.h"
#include "core/Drill.h"

#include <QTest>
#include <set>

using namespace numerella;
using namespace numerella::prova;

namespace {

void preparaCoppia(Modulo1& r, long a1, long a2)
{
    r.Addendo1 = a1;
    r.Addendo2 = a2;
    r.Spazio1 = a1 < 10 ? " " : "";
    r.Spazio2 = a2 < 10 ? " " : "";
}

// The r that makes FormaMin + floor(r * (FormaMax - FormaMin + 1)) give forma.
float perForma(int forma, int formaMin, int formaMax)
{
    return CasualeFinto::per(forma, formaMax - formaMin + 1, formaMin);
}

} // namespace

class TestVisualizza : public QObject
{
    Q_OBJECT
    OrologioFinto m_orologio;
    CasualeFinto m_caso;
    SuonoFinto m_suono;
    ContestoDrill m_c{m_orologio, m_caso, m_suono, "/p"};

private slots:
    void init()
    {
        m_caso.valori.clear();
        m_caso.semi.clear();
    }

    void esempi_data()
    {
        QTest::addColumn<int>("a1");
        QTest::addColumn<int>("a2");
        QTest::addColumn<int>("forma");
        QTest::addColumn<QString>("numero1");
        QTest::addColumn<QString>("numero2");
        QTest::addColumn<int>("somma");
        QTest::addColumn<QString>("meta");
        QTest::addRow("7 + 5 = ?") << 7 << 5 << 1 << "7"
                                   << "5" << 12 << "·7·+··5·=··?";
        QTest::addRow("12 + 8 = ?") << 12 << 8 << 1 << "12"
                                    << "8" << 20 << "12·+··8·=··?";
        QTest::addRow("? + 7 = 12") << 7 << 5 << 2 << "7"
                                    << "12" << 5 << "·?·+··7·=·12";
        QTest::addRow("? + 3 = 7") << 3 << 4 << 2 << "3"
                                   << "7" << 4 << "·?·+··3·=··7";
        QTest::addRow("7 + ? = 12") << 7 << 5 << 3 << "7"
                                    << "12" << 5 << "·7·+··?·=·12";
        QTest::addRow("14 + ? = 39") << 14 << 25 << 3 << "14"
                                     << "39" << 25 << "14·+··?·=·39";
        QTest::addRow("? + 6 = 6") << 6 << 0 << 2 << "6"
                                   << "6" << 0 << "·?·+··6·=··6";
        QTest::addRow("20 + ? = 20") << 20 << 0 << 3 << "20"
                                     << "20" << 0 << "20·+··?·=·20";
        QTest::addRow("49 + 49 = ?") << 49 << 49 << 1 << "49"
                                     << "49" << 98 << "49·+·49·=··?";
    }
    void esempi()
    {
        QFETCH(int, a1);
        QFETCH(int, a2);
        QFETCH(int, forma);
        QFETCH(QString, numero1);
        QFETCH(QString, numero2);
        QFETCH(int, somma);
        QFETCH(QString, meta);
        Modulo1 r;
        StatoOperativo s;
        preparaCoppia(r, a1, a2);
        r.FormaMin = 1;
        r.FormaMax = 3;
        r.NumeroOperazione = 7;
        r.ElencoOperazioni(7) = "una riga vecchia";
        r.Risposta = "99";
        m_orologio.ora = 4000.25f;
        m_caso.valori = {perForma(forma, 1, 3)};

        const Domanda d = visualizza(r, s, m_c);

        QVERIFY(d.disegnata);
        QCOMPARE(int(r.Forma), forma);
        QCOMPARE(int(r.Somma), somma);
        QCOMPARE(QString::fromStdString(r.RispostaEsatta), QString::number(somma));
        QCOMPARE(QString::fromStdString(d.numero1), numero1);
        QCOMPARE(QString::fromStdString(d.numero2), numero2);
        QCOMPARE(r.ElencoOperazioni(7), daTabella(meta));
        QCOMPARE(r.ElencoOperazioni(7).size(), std::size_t(12));
        const int atteso[3][3] = {{100, 4000, 8000}, {4000, 8000, 100}, {100, 8000, 4000}};
        QCOMPARE(d.sinistraNumero1, atteso[forma - 1][0]);
        QCOMPARE(d.sinistraNumero2, atteso[forma - 1][1]);
        QCOMPARE(d.sinistraRisultato, atteso[forma - 1][2]);
        QCOMPARE(float(r.TempoInizio), 4000.25f);
        QVERIFY(r.Risposta.empty());
        // The builder draws one value and does not seed the generator again.
        QVERIFY(m_caso.valori.empty());
        QVERIFY(m_caso.semi.empty());
        QCOMPARE(r.ElencoOperazioni(6), std::string());
        QCOMPARE(r.ElencoOperazioni(8), std::string());
    }

    void formaSecondoIlModo_data()
    {
        QTest::addColumn<int>("formaMin");
        QTest::addColumn<int>("formaMax");
        QTest::addColumn<float>("valore");
        QTest::addColumn<int>("forma");
        QTest::addRow("somma, r 0") << 1 << 1 << 0.0f << 1;
        QTest::addRow("somma, r quasi 1") << 1 << 1 << 0.99999994f << 1;
        QTest::addRow("addendi, r 0") << 2 << 3 << 0.0f << 2;
        QTest::addRow("addendi, r sotto 0.5") << 2 << 3 << 0.49999997f << 2;
        QTest::addRow("addendi, r 0.5") << 2 << 3 << 0.5f << 3;
        QTest::addRow("addendi, r quasi 1") << 2 << 3 << 0.99999994f << 3;
        QTest::addRow("casuale, r 0") << 1 << 3 << 0.0f << 1;
        QTest::addRow("casuale, r 0.34") << 1 << 3 << 0.34f << 2;
        QTest::addRow("casuale, r 0.67") << 1 << 3 << 0.67f << 3;
        QTest::addRow("casuale, r quasi 1") << 1 << 3 << 0.99999994f << 3;
    }
    void formaSecondoIlModo()
    {
        QFETCH(int, formaMin);
        QFETCH(int, formaMax);
        QFETCH(float, valore);
        QFETCH(int, forma);
        Modulo1 r;
        StatoOperativo s;
        preparaCoppia(r, 3, 4);
        r.FormaMin = formaMin;
        r.FormaMax = formaMax;
        r.NumeroOperazione = 1;
        m_caso.valori = {valore};
        QVERIFY(visualizza(r, s, m_c).disegnata);
        QCOMPARE(int(r.Forma), forma);
    }

    // Real draws for every range and mode: the half is always 12 characters with "?" where the box is.
    void righeSempreDiDodiciCaratteri()
    {
        OrologioFinto fermo;
        CasualeMescolato caso;
        ContestoDrill c{fermo, caso, m_suono, "/p"};
        const int modi[3][2] = {{1, 1}, {2, 3}, {1, 3}};
        for (int fascia = 1; fascia <= 6; ++fascia) {
            for (const auto& modo : modi) {
                Modulo1 r;
                StatoOperativo s;
                r.Fascia = fascia;
                r.FormaMin = modo[0];
                r.FormaMax = modo[1];
                r.NumeroOperazione = 40;
                std::set<int> forme;
                for (int i = 0; i < 600; ++i) {
                    livello(r, c);
                    QVERIFY(visualizza(r, s, c).disegnata);
                    forme.insert(r.Forma);
                    const std::string& riga = r.ElencoOperazioni(40);
                    QCOMPARE(riga.size(), std::size_t(12));
                    const std::size_t postoDomanda[] = {11, 1, 6};
                    QCOMPARE(riga.find('?'), postoDomanda[r.Forma - 1]);
                    QCOMPARE(riga.substr(2, 3), std::string(" + "));
                    QCOMPARE(riga.substr(7, 3), std::string(" = "));
                    const long attesa = r.Forma == 1 ? r.Addendo1 + r.Addendo2 : long(r.Addendo2);
                    QCOMPARE(long(r.Somma), attesa);
                    QCOMPARE(r.RispostaEsatta, std::to_string(attesa));
                }
                QCOMPARE(forme.size(), std::size_t(modo[1] - modo[0] + 1));
                QCOMPARE(*forme.begin(), modo[0]);
            }
        }
    }

    void formaUnoNonToccaSpazioSomma()
    {
        Modulo1 r;
        StatoOperativo s;
        r.FormaMin = 1;
        r.FormaMax = 3;
        r.NumeroOperazione = 1;
        preparaCoppia(r, 3, 4);
        m_caso.valori = {perForma(2, 1, 3)};
        visualizza(r, s, m_c);
        QCOMPARE(r.SpazioSomma, std::string(" "));
        preparaCoppia(r, 12, 30);
        m_caso.valori = {perForma(1, 1, 3)};
        visualizza(r, s, m_c);
        QCOMPARE(r.SpazioSomma, std::string(" "));
        m_caso.valori = {perForma(3, 1, 3)};
        visualizza(r, s, m_c);
        QCOMPARE(r.SpazioSomma, std::string());
    }

    void secondaChiamataStessoSlot()
    {
        Modulo1 r;
        StatoOperativo s;
        r.FormaMin = 1;
        r.FormaMax = 1;
        r.NumeroOperazione = 1;
        preparaCoppia(r, 7, 5);
        visualizza(r, s, m_c);
        r.ElencoOperazioni(1) += "  (12)   5 Tp";
        preparaCoppia(r, 3, 4);
        m_orologio.ora = 50.0f;
        visualizza(r, s, m_c);
        QCOMPARE(r.ElencoOperazioni(1), std::string(" 3 +  4 =  ?"));
        QCOMPARE(float(r.TempoInizio), 50.0f);
        m_orologio.ora = 36000.0f;
    }

    // A mode pair that gives no valid shape leaves the question as it was but still restarts the timing.
    void formaNonValida()
    {
        Modulo1 r;
        StatoOperativo s;
        r.NumeroOperazione = 2;
        r.RispostaEsatta = "12";
        r.Somma = 12;
        r.ElencoOperazioni(2) = " 7 +  5 =  ?";
        preparaCoppia(r, 3, 4);
        m_orologio.ora = 123.0f;
        const Domanda d = visualizza(r, s, m_c); // FormaMin and FormaMax still empty: shape 0
        QVERIFY(!d.disegnata);
        QCOMPARE(r.RispostaEsatta, std::string("12"));
        QCOMPARE(int(r.Somma), 12);
        QCOMPARE(r.ElencoOperazioni(2), std::string(" 7 +  5 =  ?"));
        QCOMPARE(float(r.TempoInizio), 123.0f);
        m_orologio.ora = 36000.0f;
    }

    void slotOltreIlRegistroEUnErroreControllato()
    {
        Modulo1 r;
        StatoOperativo s;
        r.FormaMin = 1;
        r.FormaMax = 1;
        preparaCoppia(r, 3, 4);
        r.NumeroOperazione = 46;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, visualizza(r, s, m_c));
    }
};

QTEST_GUILESS_MAIN(TestVisualizza)
#include "test_visualizza.moc"
