// Entering an answer: the key filter, the keypad, the empty answer, clearing, the click in the box,
// the answer judged once, and the ways out of the window.
#include "BancoOperativo.h"
#include "platform/ServiziQt.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace numerella;
using namespace numerella::prova;

class TestOperativoRisposta : public QObject
{
    Q_OBJECT
    std::unique_ptr<BancoOperativo> m_b;

    // Answers the operation on screen with Enter.
    void rispondi(const QString& risposta, const Operazione& prossima)
    {
        m_b->prepara(prossima);
        QTest::keyClicks(m_b->box(), risposta);
        QTest::keyClick(m_b->box(), Qt::Key_Return);
    }

private slots:
    void initTestCase() { preparaApplicazione(); }
    void init()
    {
        m_b = std::make_unique<BancoOperativo>();
        QVERIFY(m_b->apri({7, 12, 1})); // 7 + 12 = ?
    }
    void cleanup()
    {
        QCOMPARE(m_b->env.messaggi.problemi(), QString());
        m_b.reset();
    }

    void tastiRifiutati_data()
    {
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<int>("beep");
        QTest::addRow("letter") << "a" << 1;
        QTest::addRow("minus") << "-" << 1;
        QTest::addRow("blank and dot") << " ." << 2;
        QTest::addRow("digits among refused keys") << "1x2" << 1;
    }
    void tastiRifiutati()
    {
        QFETCH(QString, tasti);
        QFETCH(int, beep);
        BancoOperativo& b = *m_b;
        QTest::keyClicks(b.box(), tasti);
        QString cifre = tasti;
        cifre.remove(QRegularExpression(QStringLiteral("[^0-9]")));
        QCOMPARE(b.env.cicalino.beep_, beep);
        QCOMPARE(b.box()->text(), cifre);
        QCOMPARE(QString::fromStdString(b.env.registro.Risposta), cifre);
        QCOMPARE(b.visibile("CmdVerifica"), !cifre.isEmpty());
        QCOMPARE(b.visibile("CmdFine"), cifre.isEmpty());
    }

    // Pasted text goes through the same filter, and the box keeps three characters.
    void incollaFiltrato()
    {
        BancoOperativo& b = *m_b;
        QGuiApplication::clipboard()->setText(QStringLiteral("1a2\n34"));
        QTest::keyClick(b.box(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(b.box()->text(), QStringLiteral("123"));
        QCOMPARE(QString::fromStdString(b.env.registro.Risposta), QStringLiteral("123"));
        QCOMPARE(b.env.cicalino.beep_, 1);
        QTest::keyClick(b.box(), Qt::Key_Left);
        QTest::keyClick(b.box(), Qt::Key_Backspace);
        QCOMPARE(b.box()->text(), QStringLiteral("13"));
        QCOMPARE(b.env.cicalino.beep_, 1);
    }

    void tastierino_data()
    {
        QTest::addColumn<QStringList>("tasti");
        QTest::addColumn<QString>("risultato");
        QTest::addRow("1 2") << QStringList{"1", "2"} << "12";
        QTest::addRow("1 2 3 4: full box") << QStringList{"1", "2", "3", "4"} << "123";
        QTest::addRow("7 000") << QStringList{"7", "000"} << "700";
        QTest::addRow("12 00") << QStringList{"1", "2", "00"} << "120";
        QTest::addRow("000") << QStringList{"000"} << "000";
        QTest::addRow("full box, then 00") << QStringList{"5", "00", "00"} << "500";
    }
    void tastierino()
    {
        QFETCH(QStringList, tasti);
        QFETCH(QString, risultato);
        BancoOperativo& b = *m_b;
        const QHash<QString, const char*> nomi{{"1", "Command2"}, {"2", "Command3"},   {"3", "Command4"},
                                               {"5", "Command6"}, {"7", "Command8"},   {"0", "Command13"},
                                               {"4", "Command5"}, {"00", "Command11"}, {"000", "Command12"}};
        for (const QString& t : tasti)
            b.b(nomi.value(t))->click();
        QCOMPARE(b.box()->text(), risultato);
        // What is judged is what the box shows, also after a press on a full box.
        QCOMPARE(QString::fromStdString(b.env.registro.Risposta), risultato);
        QVERIFY(b.visibile("CmdVerifica"));
        b.prepara({5, 5, 1});
        b.b("CmdVerifica")->click();
        QCOMPARE(b.log(1).mid(12, 6), QStringLiteral("%1").arg(QStringLiteral("(%1)").arg(risultato), 6));
    }

    void invioSullaCasellaVuota()
    {
        BancoOperativo& b = *m_b;
        b.env.messaggi.aspetta(QStringLiteral("Hai dimenticato il risultato"), 0, QStringLiteral("distrazione"),
                               Messaggi::Ok);
        QTest::keyClick(b.box(), Qt::Key_Return);
        QCOMPARE(b.env.registro.RispostaMsg.valore(), 1L);
        QCOMPARE(b.fuoco(), b.box());
        QVERIFY(b.l("LblEsito")->text().isEmpty());
        QCOMPARE(b.env.registro.ErrateEsercizio, std::int16_t(0));
        QVERIFY(!b.f->stato().giudicata);
        QCOMPARE(b.env.cicalino.beep_, 0);
    }

    // "Cancella" and Backspace empty the answer but leave "V e r i f i c a " offered; pressed, it judges
    // the empty answer wrong.
    void cancellaLasciaVerifica_data()
    {
        QTest::addColumn<bool>("colTastierino");
        QTest::addRow("Cancella") << true;
        QTest::addRow("Backspace") << false;
    }
    void cancellaLasciaVerifica()
    {
        QFETCH(bool, colTastierino);
        BancoOperativo& b = *m_b;
        QTest::keyClicks(b.box(), QStringLiteral("1"));
        if (colTastierino)
            b.b("cmdCancella")->click();
        else
            QTest::keyClick(b.box(), Qt::Key_Backspace);
        QVERIFY(b.box()->text().isEmpty());
        QVERIFY(b.env.registro.Risposta.empty());
        QVERIFY(b.visibile("CmdVerifica"));
        QVERIFY(!b.visibile("CmdFine"));
        QCOMPARE(b.l("LblIstruzione")->text(), QStringLiteral("Clicca sul pulsante Verifica"));
        QCOMPARE(b.env.cicalino.beep_, 0);
        b.prepara({5, 5, 1});
        b.b("CmdVerifica")->click();
        QCOMPARE(b.l("LblEsito")->text(), QStringLiteral("E R R A T O"));
        QCOMPARE(b.log(1), QStringLiteral(" 7 + 12 =  ?()*  0 Tp"));
        QVERIFY(!b.faccia(11)->isHidden());
    }

    void clicNellaCasella()
    {
        BancoOperativo& b = *m_b;
        QTest::keyClicks(b.box(), QStringLiteral("19"));
        QTest::mouseClick(b.box(), Qt::LeftButton);
        QCOMPARE(b.fuoco(), b.box()); // "N u o v a   s o t t r a z i o n e" is not on screen yet
        b.prepara({5, 5, 1});
        b.b("CmdVerifica")->click();
        b.box()->setFocus();
        QTest::mouseClick(b.box(), Qt::LeftButton);
        QCOMPARE(b.fuoco(), b.b("CmdOperazione"));
    }

    // After its check an operation's answer stays as judged: typing, pasting, the keypad, Enter and a
    // click change nothing until the next question.
    void giudicataUnaVolta()
    {
        BancoOperativo& b = *m_b;
        rispondi(QStringLiteral("19"), {5, 5, 1});
        const QString riga = b.log(1);
        QCOMPARE(riga, QStringLiteral(" 7 + 12 =  ?  (19)   0 Tp"));
        QCOMPARE(b.env.suono.suonati, std::vector<std::string>{"/cartella/del/programma/positivo.wav"});

        QTest::keyClicks(b.box(), QStringLiteral("5"));
        QTest::keyClick(b.box(), Qt::Key_Backspace);
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        QTest::keyClick(b.box(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(b.box(), Qt::Key_Delete);
        b.tastierino(QStringLiteral("3"));
        QCOMPARE(b.env.cicalino.beep_, 3);
        QCOMPARE(b.box()->text(), QStringLiteral("19"));
        QVERIFY(!b.visibile("CmdVerifica"));
        QTest::keyClick(b.box(), Qt::Key_Return);
        QCOMPARE(b.log(1), riga);
        QCOMPARE(b.env.registro.EsatteEsercizio.valore(), 1L);
        QCOMPARE(b.facceVisibili(), 1);
        QCOMPARE(b.env.suono.suonati.size(), std::size_t(1));

        // The next question takes an answer again.
        b.b("CmdOperazione")->click();
        QTest::keyClicks(b.box(), QStringLiteral("10"));
        QCOMPARE(b.box()->text(), QStringLiteral("10"));
    }

    // Enter at the tenth operation offers "Nuovo esercizio"; a click in the box then leaves the focus there.
    void decimaOperazione()
    {
        BancoOperativo& b = *m_b;
        for (int k = 1; k < 10; ++k) {
            rispondi(QStringLiteral("19"), {7, 12, 1});
            b.b("CmdOperazione")->click();
        }
        QCOMPARE(b.l("LblOperazione")->text(), QStringLiteral("10"));
        rispondi(QStringLiteral("19"), {7, 12, 1});
        QCOMPARE(b.fuoco(), b.b("CmdEsercizio"));
        QVERIFY(!b.menu("mnuStampa")->isEnabled());
        b.box()->setFocus();
        QTest::mouseClick(b.box(), Qt::LeftButton);
        QCOMPARE(b.fuoco(), b.box());
    }

    void comandi_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("aperta");
        QTest::addRow("mnuStampa") << "mnuStampa"
                                   << "FrmStampa";
        QTest::addRow("mnuAttestato") << "mnuAttestato"
                                      << "FrmAttestato";
        QTest::addRow("CmdFine") << "CmdFine"
                                 << "";
        QTest::addRow("MnuEsci") << "MnuEsci"
                                 << "";
        QTest::addRow("close box") << ""
                                   << "";
    }
    void comandi()
    {
        QFETCH(QString, comando);
        QFETCH(QString, aperta);
        BancoOperativo& b = *m_b;
        if (comando.isEmpty())
            b.f->close();
        else if (auto* a = b.f->findChild<QAction*>(comando)) {
            a->setEnabled(true); // as from the second exercise on
            a->trigger();
        } else
            b.b(qPrintable(comando))->click();
        const bool resta = !aperta.isEmpty();
        QCOMPARE(b.env.finestre.caricata(QStringLiteral("FrmOperativoMeno")) != nullptr, resta);
        if (resta) {
            QVERIFY(b.env.finestre.caricata(aperta));
            QVERIFY(!b.env.finestre.caricata(aperta)->isHidden());
        }
        QCOMPARE(b.env.terminazione.subito, 0);
    }

    // A window loaded again after its closing is a new object: it starts a practice from the first
    // question even if the closed one had restarted a practice.
    void nuovoOggettoRiparteDaCapo()
    {
        BancoOperativo& b = *m_b;
        Modulo1& r = b.env.registro;
        r.NumeroOperazione = 40;
        r.OperazioneN = 10;
        b.env.messaggi.aspetta(QStringLiteral("Hai eseguito 4 esercizi.      \r\rVuoi visualizzare le operazioni "
                                              "eseguite?\r(Se rispondi NO l'esercizio sar\u00e0 perso)"),
                               68, QStringLiteral("FINE ESERCITAZIONE"), Messaggi::No);
        b.prepara({5, 5, 1});
        rispondi(QStringLiteral("19"), {5, 6, 1});
        QVERIFY(b.f->stato().Ripartenza);
        QCOMPARE(r.NumeroOperazione.valore(), 1L);
        b.b("CmdFine")->click();
        Ambiente::eliminaScaricate();
        QVERIFY(b.apri({8, 9, 1}));
        QVERIFY(!b.f->stato().Ripartenza);
        QVERIFY(!b.visibile("CmdEsercizio"));
        QCOMPARE(b.log(1), QStringLiteral(" 8 +  9 =  ?"));
        QCOMPARE(b.fuoco(), b.box());
    }
};

QTEST_MAIN(TestOperativoRisposta)
#include "TestOperativoRisposta.moc"
