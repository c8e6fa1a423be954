// The answer check: verdict, faces, chime, timing and its caps, the answer half of the operation line,
// the menu entries from operation 11, the end of practice at operation 40 and the one-judgement rule.
#include "FakeCore.h"
#include "Tabelle.h"
#include "core/Drill.h"

#include <QTest>

using namespace numerella;
using namespace numerella::prova;

namespace {

// The record as it stands with a question on screen: operation `numero` of the practice.
struct Banco
{
    OrologioFinto orologio;
    CasualeFinto caso;
    SuonoFinto suono;
    ContestoDrill c{orologio, caso, suono, "/cartella"};
    Modulo1 r;
    StatoOperativo s;

    Banco(long numero = 1, const std::string& esatta = "19", const std::string& domanda = " 7 + 12 =  ?")
    {
        r.NumeroOperazione = numero;
        r.OperazioneN = (numero - 1) % 10 + 1;
        r.EsercizioN = std::int16_t((numero - 1) / 10 + 1);
        r.TempoEsercizio(r.EsercizioN) = 0;
        r.RispostaEsatta = esatta;
        r.ElencoOperazioni(numero) = domanda;
        r.TempoInizio = 36000.0f;
    }
    // The pupil types `testo` and the check runs `secondi` (and a fraction) after the question appeared.
    Verdetto rispondi(const std::string& testo, float secondi)
    {
        r.Risposta = testo;
        orologio.ora = float(r.TempoInizio) + secondi;
        return verifica(r, s, testo, c);
    }
    // The next question on screen, in the same exercise.
    void prossima(const std::string& esatta)
    {
        r.NumeroOperazione = r.NumeroOperazione + 1;
        r.OperazioneN = r.OperazioneN + 1;
        r.RispostaEsatta = esatta;
        r.FormaMin = 1;
        r.FormaMax = 1;
        r.Addendo1 = 1;
        r.Addendo2 = 1;
        r.Spazio1 = " ";
        r.Spazio2 = " ";
        visualizza(r, s, c);
        r.RispostaEsatta = esatta;
    }
};

} // namespace

class TestVerifica : public QObject
{
    Q_OBJECT

private slots:
    void esempi_data()
    {
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<QString>("esatta");
        QTest::addColumn<float>("secondi");
        QTest::addColumn<bool>("giusta");
        QTest::addColumn<QString>("meta");
        QTest::addRow("19 giusta in 5") << "19"
                                        << "19" << 5.9f << true << "··(19)···5·Tp";
        QTest::addRow("21 errata in 12") << "21"
                                         << "19" << 12.0f << false << "··(21)*·12·Tp";
        QTest::addRow("9 giusta in 0") << "9"
                                       << "9" << 0.4f << true << "···(9)···0·Tp";
        QTest::addRow("105 giusta in 123") << "105"
                                           << "105" << 123.5f << true << "·(105)··123·Tp";
        QTest::addRow("7 errata in 9") << "7"
                                       << "8" << 9.99f << false << "···(7)*··9·Tp";
        QTest::addRow("07 per 7") << "07"
                                  << "7" << 1.0f << false << "··(07)*··1·Tp";
        QTest::addRow("10 secondi") << "3"
                                    << "3" << 10.0f << true << "···(3)··10·Tp";
        QTest::addRow("99 secondi") << "3"
                                    << "3" << 99.0f << true << "···(3)··99·Tp";
        QTest::addRow("100 secondi") << "3"
                                     << "3" << 100.0f << true << "···(3)··100·Tp";
        QTest::addRow("spazio in coda") << "3 "
                                        << "3" << 2.0f << false << "··(3·)*··2·Tp";
    }
    void esempi()
    {
        QFETCH(QString, digitato);
        QFETCH(QString, esatta);
        QFETCH(float, secondi);
        QFETCH(bool, giusta);
        QFETCH(QString, meta);
        Banco b(1, esatta.toStdString());
        const Verdetto v = b.rispondi(digitato.toStdString(), secondi);

        QVERIFY(v.giudicata);
        QCOMPARE(v.esatta, giusta);
        QCOMPARE(QString::fromStdString(v.esito),
                 giusta ? QStringLiteral("E S A T T O") : QStringLiteral("E R R A T O"));
        QCOMPARE(b.r.ElencoOperazioni(1), " 7 + 12 =  ?" + daTabella(meta));
        QCOMPARE(b.s.MarcaErrore, std::string(giusta ? " " : "*"));
        QCOMPARE(b.r.TotaleEsatte, std::int16_t(giusta ? 1 : 0));
        QCOMPARE(long(b.r.EsatteEsercizio), giusta ? 1L : 0L);
        QCOMPARE(b.r.ErrateEsercizio, std::int16_t(giusta ? 0 : 1));
        QCOMPARE(v.immagine, giusta ? 1 : 11);
        // The chime for a right answer only, from the program's folder.
        QCOMPARE(b.suono.suonati,
                 giusta ? std::vector<std::string>{"/cartella/positivo.wav"} : std::vector<std::string>{});
        QCOMPARE(float(b.r.TempoFine), b.orologio.ora);
        QCOMPARE(long(b.r.TempoParziale), long(secondi));
        QCOMPARE(long(b.r.TempoEsercizio(1)), long(secondi));
    }

    void primoControlloAVuoto()
    {
        // The pad of an empty answer is what the previous check left: nothing before the first one.
        Banco b(1, "19");
        b.rispondi("", 3.0f);
        QCOMPARE(b.r.ElencoOperazioni(1), std::string(" 7 + 12 =  ?()*  3 Tp"));
        b.prossima("5");
        b.rispondi("12", 4.0f);
        b.prossima("6");
        const Verdetto v = b.rispondi("", 2.0f);
        QVERIFY(!v.esatta);
        QCOMPARE(b.r.ElencoOperazioni(3), std::string(" 1 +  1 =  ?  ()*  2 Tp"));
    }

    void tempiELimitiDelleEtichette_data()
    {
        QTest::addColumn<int>("giaNellEsercizio");
        QTest::addColumn<float>("secondi");
        QTest::addColumn<QString>("parziale");
        QTest::addColumn<QString>("totale");
        QTest::addColumn<QString>("testoTotale");
        QTest::addRow("9") << 0 << 9.0f << " 9"
                           << " 9"
                           << " 9";
        QTest::addRow("99") << 0 << 99.0f << " 99"
                            << " 99"
                            << " 99";
        QTest::addRow("100") << 0 << 100.0f << "99"
                             << " 100"
                             << " 100";
        QTest::addRow("totale 999") << 990 << 9.0f << " 9"
                                    << " 999"
                                    << " 999";
        QTest::addRow("totale 1000") << 990 << 10.0f << " 10"
                                     << "999"
                                     << " 1000";
        QTest::addRow("entrambi oltre") << 5000 << 150.0f << "99"
                                        << "999"
                                        << " 5150";
    }
    void tempiELimitiDelleEtichette()
    {
        QFETCH(int, giaNellEsercizio);
        QFETCH(float, secondi);
        QFETCH(QString, parziale);
        QFETCH(QString, totale);
        QFETCH(QString, testoTotale);
        Banco b(13, "4");
        b.r.TempoEsercizio(2) = giaNellEsercizio;
        const Verdetto v = b.rispondi("4", secondi);
        QCOMPARE(QString::fromStdString(v.tempoParziale), parziale);
        QCOMPARE(QString::fromStdString(v.tempoTotale), totale);
        QCOMPARE(QString::fromStdString(b.r.TestoTempoParziale), QString::fromStdString(Str(long(secondi))));
        QCOMPARE(QString::fromStdString(b.r.TestoTempoEsercizio(2)), testoTotale);
        QCOMPARE(b.r.SpazioTempo, std::string(secondi < 10 ? " " : ""));
        // Only exercise 2's slot is written.
        QVERIFY(b.r.TempoEsercizio(1).vuoto() && b.r.TestoTempoEsercizio(1).empty());
        QVERIFY(b.r.TestoTempoEsercizio(3).empty());
    }

    // The clock starts again at midnight: the seconds run on across it and are never negative.
    void attraversoLaMezzanotte_data()
    {
        QTest::addColumn<float>("inizio");
        QTest::addColumn<float>("fine");
        QTest::addColumn<long>("secondi");
        QTest::addRow("mezzo secondo prima, tre dopo") << 86399.5f << 3.0f << 3L;
        QTest::addRow("dieci secondi prima, cinque dopo") << 86390.0f << 5.0f << 15L;
        QTest::addRow("un attimo prima, a mezzanotte") << 86399.9f << 0.0f << 0L;
        QTest::addRow("stessa lettura") << 100.0f << 100.0f << 0L;
    }
    void attraversoLaMezzanotte()
    {
        QFETCH(float, inizio);
        QFETCH(float, fine);
        QFETCH(long, secondi);
        Banco b(1, "19");
        b.r.TempoEsercizio(1) = 20;
        b.r.TempoInizio = inizio;
        b.r.Risposta = "19";
        b.orologio.ora = fine;
        const Verdetto v = verifica(b.r, b.s, "19", b.c);
        QCOMPARE(long(b.r.TempoParziale), secondi);
        QCOMPARE(long(b.r.TempoEsercizio(1)), 20 + secondi);
        QCOMPARE(QString::fromStdString(v.tempoParziale), QString::fromStdString(Str(secondi)));
        QVERIFY(b.r.ElencoOperazioni(1).find('-') == std::string::npos);
        QVERIFY(b.r.ElencoOperazioni(1).ends_with(std::string(secondi < 10 ? " " : "") + Str(secondi) + " Tp"));
    }

    // The k-th right answer lights smiling face k, the k-th wrong one sad face 10 + k, then none.
    void facce()
    {
        Banco b(1, "1");
        const bool giuste[] = {true, false, true, true, false};
        const int facceAttese[] = {1, 11, 2, 3, 12};
        for (int i = 0; i < 5; ++i) {
            if (i > 0)
                b.prossima("1");
            QCOMPARE(b.rispondi(giuste[i] ? "1" : "2", 1.0f).immagine, facceAttese[i]);
        }
        QCOMPARE(long(b.r.EsatteEsercizio), 3L);
        QCOMPARE(b.r.ErrateEsercizio, std::int16_t(2));
        QCOMPARE(b.r.TotaleEsatte, std::int16_t(3));

        Banco oltre(1, "1");
        oltre.r.EsatteEsercizio = 10;
        oltre.r.ErrateEsercizio = 10;
        QCOMPARE(oltre.rispondi("1", 1.0f).immagine, 0);
        oltre.prossima("1");
        QCOMPARE(oltre.rispondi("2", 1.0f).immagine, 0);
    }

    void pulsantiEMenu_data()
    {
        QTest::addColumn<long>("numero");
        QTest::addColumn<bool>("fineEsercizio");
        QTest::addColumn<bool>("menu");
        QTest::addRow("operazione 1") << 1L << false << false;
        QTest::addRow("operazione 10") << 10L << true << false;
        QTest::addRow("operazione 11") << 11L << false << true;
        QTest::addRow("operazione 20") << 20L << true << true;
        QTest::addRow("operazione 39") << 39L << false << true;
    }
    void pulsantiEMenu()
    {
        QFETCH(long, numero);
        QFETCH(bool, fineEsercizio);
        QFETCH(bool, menu);
        Banco b(numero, "5");
        const Verdetto v = b.rispondi("6", 2.0f);
        QCOMPARE(v.fineEsercizio, fineEsercizio);
        QCOMPARE(v.abilitaMenu, menu);
        QCOMPARE(QString::fromStdString(v.istruzione), fineEsercizio
                                                           ? QStringLiteral("Clicca sul pulsante Nuovo esercizio")
                                                           : QStringLiteral("Clicca sul pulsante Nuova sottrazione"));
        QVERIFY(!v.finePratica);
        QVERIFY(b.r.Messaggio.empty() && b.r.TitoloMsg.empty());
        QCOMPARE(int(b.r.EsercizioN), int((numero - 1) / 10 + 1));
    }

    // A second check of the operation on screen changes nothing at all.
    void giudicataUnaSolaVolta()
    {
        Banco b(4, "12");
        b.r.TempoEsercizio(1) = 30;
        const Verdetto primo = b.rispondi("12", 6.0f);
        QVERIFY(primo.giudicata);
        const std::string riga = b.r.ElencoOperazioni(4);
        const Modulo1 prima = b.r;

        for (const char* ancora : {"12", "13", ""}) {
            const Verdetto v = b.rispondi(ancora, 40.0f);
            QVERIFY(!v.giudicata);
            QCOMPARE(v.immagine, 0);
            QVERIFY(!v.finePratica && !v.abilitaMenu);
        }
        QCOMPARE(b.r.ElencoOperazioni(4), riga);
        QCOMPARE(long(b.r.EsatteEsercizio), long(prima.EsatteEsercizio));
        QCOMPARE(b.r.ErrateEsercizio, prima.ErrateEsercizio);
        QCOMPARE(b.r.TotaleEsatte, prima.TotaleEsatte);
        QCOMPARE(long(b.r.TempoParziale), 6L);
        QCOMPARE(long(b.r.TempoEsercizio(1)), 36L);
        QCOMPARE(float(b.r.TempoFine), float(prima.TempoFine));
        QCOMPARE(b.s.MarcaErrore, std::string(" "));
        QCOMPARE(b.suono.suonati.size(), std::size_t(1));

        // The next question can be judged again.
        b.prossima("2");
        QVERIFY(b.rispondi("2", 1.0f).giudicata);
        QCOMPARE(b.r.TotaleEsatte, std::int16_t(2));
    }

    void finePratica()
    {
        Banco b(40, "8");
        b.r.ElencoOperazioni(0) = "zero";
        for (long k = 1; k <= 39; ++k)
            b.r.ElencoOperazioni(k) = "riga " + std::to_string(k);
        b.r.ElencoOperazioni(41) = "oltre";
        const Verdetto v = b.rispondi("8", 3.0f);
        QVERIFY(v.finePratica);
        QVERIFY(v.fineEsercizio);
        QVERIFY(v.abilitaMenu);
        QCOMPARE(b.r.EsercizioN, std::int16_t(0));
        QCOMPARE(long(b.r.TempoEsercizio(4)), 3L);
        const QString cr(QChar(13));
        QCOMPARE(QString::fromStdString(b.r.Messaggio),
                 QStringLiteral("Hai eseguito 4 esercizi.      ") + cr + cr +
                     QStringLiteral("Vuoi visualizzare le operazioni eseguite?") + cr +
                     QStringLiteral("(Se rispondi NO l'esercizio sarà perso)"));
        QCOMPARE(QString::fromStdString(b.r.TitoloMsg), QStringLiteral("FINE ESERCITAZIONE"));
        QCOMPARE(kStileFinePratica, 68);
        QVERIFY(b.r.Messaggio.find('\n') == std::string::npos);

        // Yes: the review opens and nothing is emptied.
        Modulo1 si = b.r;
        StatoOperativo statoSi = b.s;
        QVERIFY(!rispostaFinePratica(si, statoSi, 6));
        QCOMPARE(long(si.RispostaMsg), 6L);
        QVERIFY(!statoSi.Ripartenza);
        for (long k = 0; k <= 45; ++k)
            QCOMPARE(si.ElencoOperazioni(k), b.r.ElencoOperazioni(k));

        // No: slots 1 to 40 emptied, 0 and 41 to 45 kept, and the load handler runs again.
        QVERIFY(rispostaFinePratica(b.r, b.s, 7));
        QCOMPARE(long(b.r.RispostaMsg), 7L);
        QVERIFY(b.s.Ripartenza);
        for (long k = 1; k <= 40; ++k)
            QVERIFY2(b.r.ElencoOperazioni(k).empty(), qPrintable(QString::number(k)));
        QCOMPARE(b.r.ElencoOperazioni(0), std::string("zero"));
        QCOMPARE(b.r.ElencoOperazioni(41), std::string("oltre"));
    }

    void slotOltreIlRegistroEUnErroreControllato()
    {
        Banco b(45, "3");
        b.r.EsercizioN = 5;
        b.rispondi("3", 1.0f);
        QVERIFY(b.r.ElencoOperazioni(45).ends_with(")   1 Tp"));

        Banco oltre(1, "3");
        oltre.r.NumeroOperazione = 46;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, oltre.rispondi("3", 1.0f));
        Banco tempi(1, "3");
        tempi.r.EsercizioN = 6;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tempi.rispondi("3", 1.0f));
    }
};

QTEST_GUILESS_MAIN(TestVerifica)
#include "test_verifica.moc"
