// The kinds of variable of the practice record: empty-as-zero, the two number-to-text forms and the
// checked slot arrays.
#include "core/Modulo1.h"

#include <QTest>
#include <stdexcept>

using namespace numerella;

class TestVariabili : public QObject
{
    Q_OBJECT
private slots:
    void numeriComeTesto_data()
    {
        QTest::addColumn<long>("n");
        QTest::addColumn<QString>("cifre");
        QTest::addColumn<QString>("conStr");
        QTest::addRow("zero") << 0L << "0"
                              << " 0";
        QTest::addRow("una cifra") << 5L << "5"
                                   << " 5";
        QTest::addRow("due cifre") << 12L << "12"
                                   << " 12";
        QTest::addRow("tre cifre") << 123L << "123"
                                   << " 123";
        QTest::addRow("negativo") << -7L << "-7"
                                  << "-7";
    }
    void numeriComeTesto()
    {
        QFETCH(long, n);
        QFETCH(QString, cifre);
        QFETCH(QString, conStr);
        QCOMPARE(QString::fromStdString(testo(n)), cifre);
        QCOMPARE(QString::fromStdString(Str(n)), conStr);
    }

    void vuotoValeZero()
    {
        Modulo1 r;
        QVERIFY(r.EsatteEsercizio.vuoto());
        QCOMPARE(long(r.EsatteEsercizio), 0L);
        r.EsatteEsercizio = r.EsatteEsercizio + 1;
        QVERIFY(!r.EsatteEsercizio.vuoto());
        QCOMPARE(long(r.EsatteEsercizio), 1L);
        // An empty variant compares as 0 and joins to a text as its digits once assigned.
        QVERIFY(r.Addendo1 < 10);
        QVERIFY(r.TempoInizio.vuoto());
        QCOMPARE(float(r.TempoInizio), 0.0f);
        QCOMPARE(QString::fromStdString(testo(r.TempoEsercizio(3))), QStringLiteral("0"));
        r.EsatteEsercizio.svuota();
        QCOMPARE(long(r.EsatteEsercizio), 0L);
    }

    void registroIniziale()
    {
        const Modulo1 r;
        QCOMPARE(r.TotaleEsatte, std::int16_t(0));
        QCOMPARE(r.StileMsg, std::int16_t(0));
        for (long k = 0; k <= 45; ++k)
            QVERIFY2(r.ElencoOperazioni(k).empty(), qPrintable(QString::number(k)));
        for (long k = 0; k <= 5; ++k) {
            QVERIFY(r.TempoEsercizio(k).vuoto());
            QVERIFY(r.TestoTempoEsercizio(k).empty());
        }
    }

    void slotFuoriDalleDimensioni_data()
    {
        QTest::addColumn<QString>("quale");
        QTest::addColumn<long>("indice");
        QTest::addColumn<bool>("valido");
        QTest::addRow("elenco -1") << "elenco" << -1L << false;
        QTest::addRow("elenco 0") << "elenco" << 0L << true;
        QTest::addRow("elenco 45") << "elenco" << 45L << true;
        QTest::addRow("elenco 46") << "elenco" << 46L << false;
        QTest::addRow("tempi -1") << "tempi" << -1L << false;
        QTest::addRow("tempi 5") << "tempi" << 5L << true;
        QTest::addRow("tempi 6") << "tempi" << 6L << false;
        QTest::addRow("testi tempi 6") << "testi" << 6L << false;
    }
    void slotFuoriDalleDimensioni()
    {
        QFETCH(QString, quale);
        QFETCH(long, indice);
        QFETCH(bool, valido);
        Modulo1 r;
        const auto tocca = [&] {
            if (quale == QLatin1String("elenco"))
                r.ElencoOperazioni(indice) = "x";
            else if (quale == QLatin1String("tempi"))
                r.TempoEsercizio(indice) = 1;
            else
                r.TestoTempoEsercizio(indice) = "x";
        };
        if (valido)
            tocca();
        else
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, tocca());
        // A refused index writes nowhere.
        for (long k = 0; k <= 45; ++k)
            QVERIFY(r.ElencoOperazioni(k).empty() || (valido && k == indice));
    }
};

QTEST_GUILESS_MAIN(TestVariabili)
#include "test_variabili.moc"
