// The record side of the exercise flow: the start of a practice, "Nuovo esercizio", the next operation,
// a whole practice of forty operations and its restart.
#include "FakeCore.h"
#include "core/Drill.h"
#include "core/Flusso.h"

#include <QTest>

using namespace numerella;
using namespace numerella::prova;

namespace {

// A record in the middle of some earlier practice.
void sporca(Modulo1& r)
{
    r.NumeroOperazione = 27;
    r.OperazioneN = 7;
    r.EsercizioN = 3;
    r.TotaleEsatte = 19;
    r.EsatteEsercizio = 5;
    r.ErrateEsercizio = 2;
    r.TempoEsercizio(1) = 77;
    r.TempoEsercizio(3) = 55;
    r.TempoParziale = 8;
    r.TestoTempoParziale = " 8";
    r.TestoTempoEsercizio(3) = " 55";
    r.Risposta = "14";
    r.ElencoOperazioni(5) = "riga cinque";
}

} // namespace

class TestFlusso : public QObject
{
    Q_OBJECT

private slots:
    void iniziaPratica_data()
    {
        QTest::addColumn<int>("minimo");
        QTest::addColumn<int>("massimo");
        QTest::addColumn<QString>("didascalia");
        QTest::addRow("fascia 1") << 1 << 10 << " Operazione con numero massimo da 1 a 10";
        QTest::addRow("fascia 3") << 10 << 20 << " Operazione con numero massimo da 10 a 20";
        QTest::addRow("fascia 5") << 40 << 98 << " Operazione con numero massimo da 40 a 98";
    }
    void iniziaPratica()
    {
        QFETCH(int, minimo);
        QFETCH(int, massimo);
        QFETCH(QString, didascalia);
        Modulo1 r;
        sporca(r);
        r.NumeroMin = minimo;
        r.NumeroMax = std::int16_t(massimo);
        QCOMPARE(QString::fromStdString(numerella::iniziaPratica(r)), didascalia);
        QCOMPARE(long(r.NumeroOperazione), 1L);
        QCOMPARE(long(r.OperazioneN), 1L);
        QCOMPARE(r.EsercizioN, std::int16_t(1));
        QCOMPARE(r.TotaleEsatte, std::int16_t(0));
        QCOMPARE(long(r.EsatteEsercizio), 0L);
        QCOMPARE(r.ErrateEsercizio, std::int16_t(0));
        QCOMPARE(long(r.TempoEsercizio(1)), 0L);
        // The load handler leaves the log as it is: only the restart empties it.
        QCOMPARE(r.ElencoOperazioni(5), std::string("riga cinque"));
        QVERIFY(!praticaConclusa(r));
    }

    void nuovoEsercizio()
    {
        Modulo1 r;
        sporca(r);
        r.NumeroOperazione = 30;
        r.OperazioneN = 10;
        numerella::nuovoEsercizio(r);
        QCOMPARE(r.EsercizioN, std::int16_t(4));
        QCOMPARE(long(r.NumeroOperazione), 31L);
        QCOMPARE(long(r.OperazioneN), 1L);
        QCOMPARE(long(r.TempoParziale), 0L);
        QCOMPARE(long(r.TempoEsercizio(4)), 0L);
        QVERIFY(r.TestoTempoParziale.empty());
        QVERIFY(r.TestoTempoEsercizio(4).empty());
        QCOMPARE(long(r.EsatteEsercizio), 0L);
        QCOMPARE(r.ErrateEsercizio, std::int16_t(0));
        // The practice total and the earlier exercises' times stay.
        QCOMPARE(r.TotaleEsatte, std::int16_t(19));
        QCOMPARE(long(r.TempoEsercizio(3)), 55L);
        QCOMPARE(r.TestoTempoEsercizio(3), std::string(" 55"));
    }

    void prossimaOperazione()
    {
        Modulo1 r;
        sporca(r);
        numerella::prossimaOperazione(r);
        QVERIFY(r.Risposta.empty());
        QCOMPARE(long(r.NumeroOperazione), 28L);
        QCOMPARE(long(r.OperazioneN), 8L);
        QCOMPARE(r.EsercizioN, std::int16_t(3));
        QCOMPARE(long(r.EsatteEsercizio), 5L);
    }

    // Forty operations as the exercise window runs them, every third answer wrong, then the restart.
    void praticaIntera()
    {
        OrologioFinto orologio;
        CasualeMescolato caso;
        SuonoFinto suono;
        ContestoDrill c{orologio, caso, suono, "/p"};
        Modulo1 r;
        StatoOperativo s;
        r.Fascia = 6;
        r.NumeroMin = 10;
        r.NumeroMax = 98;
        r.FormaMin = 1;
        r.FormaMax = 3;

        numerella::iniziaPratica(r);
        livello(r, c);
        visualizza(r, s, c);
        int esatte = 0;
        for (int n = 1; n <= 40; ++n) {
            QCOMPARE(long(r.NumeroOperazione), long(n));
            QCOMPARE(long(r.OperazioneN), long((n - 1) % 10 + 1));
            QCOMPARE(int(r.EsercizioN), (n - 1) / 10 + 1);
            const bool giusta = n % 3 != 0;
            r.Risposta = giusta ? r.RispostaEsatta : r.RispostaEsatta + "0";
            orologio.ora += 4.0f;
            const Verdetto v = verifica(r, s, r.Risposta, c);
            esatte += giusta;
            QCOMPARE(v.esatta, giusta);
            QCOMPARE(v.abilitaMenu, n > 10);
            QCOMPARE(v.fineEsercizio, n % 10 == 0);
            QCOMPARE(v.finePratica, n == 40);
            QCOMPARE(r.ElencoOperazioni(n).size(), std::size_t(25));
            QVERIFY(!praticaConclusa(r) || n == 40);
            if (n == 40)
                break;
            if (v.fineEsercizio) {
                QCOMPARE(long(r.TempoEsercizio(r.EsercizioN)), 40L);
                numerella::nuovoEsercizio(r);
            } else {
                numerella::prossimaOperazione(r);
            }
            livello(r, c);
            visualizza(r, s, c);
        }
        QCOMPARE(int(r.TotaleEsatte), esatte);
        QCOMPARE(r.EsercizioN, std::int16_t(0));
        QVERIFY(r.ElencoOperazioni(41).empty());
        QVERIFY(r.ElencoOperazioni(0).empty());

        // The review chosen: the practice is over and a further exercise must not write past the log.
        Modulo1 conSi = r;
        rispostaFinePratica(conSi, s, 6);
        QVERIFY(praticaConclusa(conSi));

        // No: the log is emptied and the load handler starts again, through "Nuovo esercizio".
        QVERIFY(rispostaFinePratica(r, s, 7));
        numerella::iniziaPratica(r);
        QVERIFY(s.Ripartenza);
        preparaRipartenza(r);
        numerella::nuovoEsercizio(r);
        livello(r, c);
        visualizza(r, s, c);
        livello(r, c);
        visualizza(r, s, c);
        QCOMPARE(long(r.NumeroOperazione), 1L);
        QCOMPARE(long(r.OperazioneN), 1L);
        QCOMPARE(r.EsercizioN, std::int16_t(1));
        QCOMPARE(r.TotaleEsatte, std::int16_t(0));
        QCOMPARE(r.ElencoOperazioni(1).size(), std::size_t(12));
        for (long k = 2; k <= 40; ++k)
            QVERIFY(r.ElencoOperazioni(k).empty());
        QVERIFY(!praticaConclusa(r));
    }
};

QTEST_GUILESS_MAIN(TestFlusso)
#include "test_flusso.moc"
