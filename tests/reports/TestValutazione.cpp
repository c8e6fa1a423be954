// The grade of a practice, on its boundaries.
#include "core/Valutazione.h"

#include <QTest>

using namespace numerella;

class TestValutazione : public QObject
{
    Q_OBJECT
private slots:
    void voto_data()
    {
        QTest::addColumn<int>("esatte");
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<int>("voto");
        QTest::addColumn<QString>("giudizio");
        QTest::addRow("38 su 40: 9.5 scende a 9") << 38 << 40 << 9 << "OTTIMO";
        QTest::addRow("20 su 40: 5 esatto") << 20 << 40 << 5 << "SUFFICIENTE (!)";
        QTest::addRow("19 su 40: 4.75 scende a 4") << 19 << 40 << 4 << "Non classificato";
        QTest::addRow("24 su 40: 6") << 24 << 40 << 6 << "SUFFICIENTE";
        QTest::addRow("7 su 10") << 7 << 10 << 7 << "BUONO";
        QTest::addRow("35 su 40: 8.75 scende a 8") << 35 << 40 << 8 << "DISTINTO";
        QTest::addRow("10 su 10") << 10 << 10 << 10 << "OTTIMO";
        QTest::addRow("10 su 11, domanda aperta") << 10 << 11 << 9 << "OTTIMO";
        QTest::addRow("4 su 10") << 4 << 10 << 4 << "Non classificato";
        QTest::addRow("0 su 1") << 0 << 1 << 0 << "Non classificato";
        QTest::addRow("oltre 10: 12 su 10") << 12 << 10 << 12 << "Non classificato";
        QTest::addRow("nessuna operazione") << 0 << 0 << 0 << "Non classificato";
    }
    void voto()
    {
        QFETCH(int, esatte);
        QFETCH(int, operazioni);
        QFETCH(int, voto);
        QFETCH(QString, giudizio);
        const auto v = votoDi(std::int16_t(esatte), operazioni);
        QCOMPARE(int(v), voto);
        QCOMPARE(QString::fromStdString(giudizioDi(v)), giudizio);
    }
};

QTEST_APPLESS_MAIN(TestValutazione)
#include "TestValutazione.moc"
