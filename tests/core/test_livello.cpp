// The operand generator: the recipe of each range code, the pairs drawn again, the pads, and long
// runs of real draws with the clock frozen.
#include "FakeCore.h"
#include "core/Drill.h"

#include <QTest>
#include <vector>

using namespace numerella;
using namespace numerella::prova;

namespace {

struct Ricetta
{
    int n, base;               // each addend is floor(n * r) + base
    int n2, base2;             //
    long sommaMin, sommaMax;   // sums produced
    long primoMax, secondoMax; // largest addends of an accepted pair
};

Ricetta ricetta(int fascia)
{
    switch (fascia) {
    case 1:
        return {10, 1, 10, 0, 1, 9, 9, 8};
    case 2:
        return {20, 1, 20, 0, 1, 19, 19, 18};
    case 3:
        return {20, 1, 20, 0, 10, 20, 20, 19};
    case 4:
        return {15, 5, 15, 5, 10, 38, 19, 19};
    case 5:
        return {40, 20, 40, 20, 40, 90, 59, 59};
    default:
        return {45, 5, 45, 5, 10, 98, 49, 49};
    }
}

} // namespace

class TestLivello : public QObject
{
    Q_OBJECT
    OrologioFinto m_orologio;
    CasualeFinto m_caso;
    SuonoFinto m_suono;

private slots:
    void init()
    {
        m_caso.valori.clear();
        m_caso.semi.clear();
    }

    // Pairs given as addends; the last pair of each row is the one accepted.
    void coppieAlLimite_data()
    {
        QTest::addColumn<int>("fascia");
        QTest::addColumn<QList<int>>("coppie");
        QTest::addColumn<QString>("spazio1");
        QTest::addColumn<QString>("spazio2");
        QTest::addRow("1: 9+0 accettata") << 1 << QList<int>{9, 0} << " "
                                          << " ";
        QTest::addRow("1: 1+8 accettata") << 1 << QList<int>{1, 8} << " "
                                          << " ";
        QTest::addRow("1: 10+0 e 9+9 ripescate") << 1 << QList<int>{10, 0, 9, 9, 1, 0} << " "
                                                 << " ";
        QTest::addRow("2: 20+0 e 19+1 ripescate") << 2 << QList<int>{20, 0, 19, 1, 19, 0} << ""
                                                  << " ";
        QTest::addRow("2: 1+18 accettata") << 2 << QList<int>{1, 18} << " "
                                           << "";
        QTest::addRow("3: 1+8 ripescata, 1+9") << 3 << QList<int>{1, 8, 1, 9} << " "
                                               << " ";
        QTest::addRow("3: 20+1 ripescata, 20+0") << 3 << QList<int>{20, 1, 20, 0} << ""
                                                 << " ";
        QTest::addRow("3: 10+10") << 3 << QList<int>{10, 10} << ""
                                  << "";
        QTest::addRow("4: 5+5 subito") << 4 << QList<int>{5, 5} << " "
                                       << " ";
        QTest::addRow("4: 19+19 subito") << 4 << QList<int>{19, 19} << ""
                                         << "";
        QTest::addRow("5: 59+32 ripescata, 59+31") << 5 << QList<int>{59, 32, 59, 31} << ""
                                                   << "";
        QTest::addRow("5: 20+20") << 5 << QList<int>{20, 20} << ""
                                  << "";
        QTest::addRow("6: 5+5 subito") << 6 << QList<int>{5, 5} << " "
                                       << " ";
        QTest::addRow("6: 49+49 subito") << 6 << QList<int>{49, 49} << ""
                                         << "";
    }
    void coppieAlLimite()
    {
        QFETCH(int, fascia);
        QFETCH(QList<int>, coppie);
        QFETCH(QString, spazio1);
        QFETCH(QString, spazio2);
        const Ricetta x = ricetta(fascia);
        for (qsizetype i = 0; i < coppie.size(); i += 2) {
            m_caso.valori.push_back(CasualeFinto::per(coppie[i], x.n, x.base));
            m_caso.valori.push_back(CasualeFinto::per(coppie[i + 1], x.n2, x.base2));
        }
        Modulo1 r;
        r.Fascia = fascia;
        ContestoDrill c{m_orologio, m_caso, m_suono, "/p"};
        livello(r, c);

        QCOMPARE(long(r.Addendo1), long(coppie[coppie.size() - 2]));
        QCOMPARE(long(r.Addendo2), long(coppie.last()));
        QVERIFY2(m_caso.valori.empty(), "every scripted value is drawn, and none beyond the accepted pair");
        QCOMPARE(QString::fromStdString(r.Spazio1), spazio1);
        QCOMPARE(QString::fromStdString(r.Spazio2), spazio2);
        // Seeded once per call; code 2 again before each attempt.
        const std::size_t tentativi = std::size_t(coppie.size() / 2);
        QCOMPARE(m_caso.semi.size(), fascia == 2 ? 1 + tentativi : std::size_t(1));
        for (float seme : m_caso.semi)
            QCOMPARE(seme, m_orologio.ora);
    }

    void fasciaSconosciutaNonPesca_data()
    {
        QTest::addColumn<int>("fascia");
        QTest::addRow("vuota") << -1;
        QTest::addRow("0") << 0;
        QTest::addRow("7") << 7;
    }
    void fasciaSconosciutaNonPesca()
    {
        QFETCH(int, fascia);
        Modulo1 r;
        if (fascia >= 0)
            r.Fascia = fascia;
        ContestoDrill c{m_orologio, m_caso, m_suono, "/p"};
        livello(r, c);
        QVERIFY(r.Addendo1.vuoto());
        QVERIFY(r.Addendo2.vuoto());
        QCOMPARE(QString::fromStdString(r.Spazio1), QStringLiteral(" "));
        QCOMPARE(QString::fromStdString(r.Spazio2), QStringLiteral(" "));

        r.Addendo1 = 12;
        r.Addendo2 = 3;
        livello(r, c);
        QCOMPARE(long(r.Addendo1), 12L);
        QCOMPARE(long(r.Addendo2), 3L);
        QCOMPARE(QString::fromStdString(r.Spazio1), QString());
        QCOMPARE(QString::fromStdString(r.Spazio2), QStringLiteral(" "));
    }

    // Many real draws with the clock frozen: every sum and addend inside the table, both ends reached.
    void molteEstrazioniReali_data()
    {
        QTest::addColumn<int>("fascia");
        for (int f = 1; f <= 6; ++f)
            QTest::addRow("fascia %d", f) << f;
    }
    void molteEstrazioniReali()
    {
        QFETCH(int, fascia);
        const Ricetta x = ricetta(fascia);
        OrologioFinto fermo;
        CasualeMescolato caso;
        ContestoDrill c{fermo, caso, m_suono, "/p"};
        Modulo1 r;
        r.Fascia = fascia;
        std::vector<int> somme(100, 0);
        long primoMin = 1000, primoMax = -1, secondoMin = 1000, secondoMax = -1;
        for (int i = 0; i < 40000; ++i) {
            livello(r, c);
            const long a = r.Addendo1, b = r.Addendo2, s = a + b;
            QVERIFY2(s >= x.sommaMin && s <= x.sommaMax, qPrintable(QStringLiteral("%1 + %2").arg(a).arg(b)));
            QVERIFY(a >= x.base && b >= x.base2);
            QCOMPARE(r.Spazio1, std::string(a < 10 ? " " : ""));
            QCOMPARE(r.Spazio2, std::string(b < 10 ? " " : ""));
            ++somme[std::size_t(s)];
            primoMin = std::min(primoMin, a);
            primoMax = std::max(primoMax, a);
            secondoMin = std::min(secondoMin, b);
            secondoMax = std::max(secondoMax, b);
        }
        QVERIFY2(somme[std::size_t(x.sommaMin)] > 0, "smallest sum never drawn");
        QVERIFY2(somme[std::size_t(x.sommaMax)] > 0, "largest sum never drawn");
        QCOMPARE(primoMin, long(x.base));
        QCOMPARE(secondoMin, long(x.base2));
        QCOMPARE(primoMax, x.primoMax);
        QCOMPARE(secondoMax, x.secondoMax);
    }

    void risemeStessaLetturaDaNuoveEstrazioni()
    {
        CasualeMescolato caso;
        std::vector<float> prima, dopo;
        caso.semina(36000.0f);
        for (int i = 0; i < 8; ++i)
            prima.push_back(caso.prossimo());
        caso.semina(36000.0f);
        for (int i = 0; i < 8; ++i)
            dopo.push_back(caso.prossimo());
        QVERIFY(prima != dopo);
        // Right after seeding, the first value differs too: code 2 draws just after each seeding.
        std::vector<float> primi;
        for (int i = 0; i < 50; ++i) {
            caso.semina(36000.0f);
            primi.push_back(caso.prossimo());
        }
        std::sort(primi.begin(), primi.end());
        QVERIFY(std::adjacent_find(primi.begin(), primi.end()) == primi.end());
    }

    void valoriTraZeroEUno()
    {
        CasualeMescolato caso;
        caso.semina(0.0f);
        float minimo = 1, massimo = 0;
        for (int i = 0; i < 200000; ++i) {
            const float v = caso.prossimo();
            QVERIFY(v >= 0.0f && v < 1.0f);
            minimo = std::min(minimo, v);
            massimo = std::max(massimo, v);
        }
        QVERIFY(minimo < 0.001f);
        QVERIFY(massimo > 0.999f);
    }
};

QTEST_GUILESS_MAIN(TestLivello)
#include "test_livello.moc"
