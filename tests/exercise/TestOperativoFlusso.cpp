// Whole practices through the exercise window: by keyboard alone, through the keypad, and both
// answers to the end-of-practice question.
#include "BancoOperativo.h"
#include "platform/Aspetto.h"
#include "platform/ServiziQt.h"

#include <QDir>
#include <QGroupBox>

using namespace numerella;
using namespace numerella::prova;

namespace {

// Operation k (1 to 40) of the scripted practice; every fourth answer is typed wrong.
Operazione operazione(int k)
{
    return {5 + k % 15, 5 + (k * 7) % 15, 1 + k % 3};
}
bool sbagliata(int k)
{
    return k % 4 == 0;
}

const QString kFinePratica = QStringLiteral("Hai eseguito 4 esercizi.      \r\rVuoi visualizzare le operazioni "
                                            "eseguite?\r(Se rispondi NO l'esercizio sar\u00e0 perso)");

} // namespace

class TestOperativoFlusso : public QObject
{
    Q_OBJECT
    std::unique_ptr<BancoOperativo> m_b;

    // Types the answer of operation k and presses Enter twice, as a pupil without a mouse does, checking
    // every step; the check takes 2 + k % 3 seconds.
    void rispondiDaTastiera(int k, int esatteFinora, int errateFinora)
    {
        BancoOperativo& b = *m_b;
        const Operazione o = operazione(k);
        const int n = (k - 1) % 10 + 1;
        const QString risposta = QString::number(o.esatta() + (sbagliata(k) ? 1 : 0));
        QCOMPARE(b.fuoco(), b.box());
        QCOMPARE(b.l("LblEsercizio")->text(), QString::number((k - 1) / 10 + 1));
        QCOMPARE(b.l("LblOperazione")->text(), QString::number(n));
        QCOMPARE(b.l("LblIstruzione")->text(), QStringLiteral(" Digita il risultato"));
        QCOMPARE(b.visibile("CmdFine"), n == 1);
        QTest::keyClicks(b.fuoco(), risposta);
        QCOMPARE(b.box()->text(), risposta);
        QVERIFY(b.visibile("CmdVerifica"));
        QVERIFY(!b.visibile("CmdFine"));
        QCOMPARE(b.l("LblIstruzione")->text(), QStringLiteral("Clicca sul pulsante Verifica"));

        b.env.orologio.ora += 2 + k % 3;
        if (k < 40)
            b.prepara(operazione(k + 1));
        QTest::keyClick(b.fuoco(), Qt::Key_Return);
        if (k == 40)
            return; // the end-of-practice question has been answered
        const bool giusta = !sbagliata(k);
        QCOMPARE(b.l("LblEsito")->text(), giusta ? QStringLiteral("E S A T T O") : QStringLiteral("E R R A T O"));
        QVERIFY(!b.faccia(giusta ? esatteFinora + 1 : 10 + errateFinora + 1)->isHidden());
        QCOMPARE(b.facceVisibili(), n);
        QCOMPARE(b.log(k), o.riga(risposta, giusta, 2 + k % 3));
        QVERIFY(!b.c("fraTastierino")->isEnabled());
        QCOMPARE(b.menu("mnuStampa")->isEnabled(), k > 10);
        QCOMPARE(b.menu("mnuAttestato")->isEnabled(), k > 10);
        QCOMPARE(b.l("LblTempoParziale")->text(), QStringLiteral(" %1").arg(2 + k % 3));
        if (n < 10) {
            QCOMPARE(b.fuoco(), b.b("CmdOperazione"));
            QCOMPARE(b.l("LblIstruzione")->text(), QStringLiteral("Clicca sul pulsante Nuova sottrazione"));
            QVERIFY(!b.visibile("CmdVerifica") && !b.visibile("CmdFine") && !b.visibile("CmdStampa"));
        } else {
            QCOMPARE(b.fuoco(), b.b("CmdEsercizio"));
            QCOMPARE(b.l("LblIstruzione")->text(), QStringLiteral("Clicca sul pulsante Nuovo esercizio"));
            QVERIFY(b.visibile("CmdFine") && b.visibile("CmdStampa") && !b.visibile("CmdOperazione"));
        }
        QTest::keyClick(b.fuoco(), Qt::Key_Return); // next operation or next exercise
        QCOMPARE(b.facceVisibili(), n < 10 ? n : 0);
        QVERIFY(b.c("fraTastierino")->isEnabled());
        QVERIFY(b.box()->text().isEmpty());
    }

    // The window right after the start of a practice whose first question is o.
    void controllaInizio(const Operazione& o)
    {
        BancoOperativo& b = *m_b;
        QCOMPARE(b.l("LblEsercizio")->text(), QStringLiteral("1"));
        QCOMPARE(b.l("LblOperazione")->text(), QStringLiteral("1"));
        QCOMPARE(b.facceVisibili(), 0);
        QVERIFY(b.l("LblTempoParziale")->text().isEmpty() && b.l("LblTempoTotale")->text().isEmpty());
        QVERIFY(!b.menu("mnuStampa")->isEnabled() && !b.menu("mnuAttestato")->isEnabled());
        QVERIFY(b.visibile("CmdFine"));
        for (const char* nome : {"CmdVerifica", "CmdOperazione", "CmdEsercizio", "CmdStampa"})
            QVERIFY2(!b.visibile(nome), nome);
        QCOMPARE(b.env.registro.NumeroOperazione.valore(), 1L);
        QCOMPARE(b.env.registro.TotaleEsatte, std::int16_t(0));
        QCOMPARE(b.log(1), o.riga(QString(), true, 0).left(12));
        for (int k = 2; k <= 40; ++k)
            QVERIFY2(b.log(k).isEmpty(), qPrintable(QString::number(k)));
        QCOMPARE(b.fuoco(), b.box());
    }

private slots:
    void initTestCase() { preparaApplicazione(); }
    void init() { m_b = std::make_unique<BancoOperativo>(); }
    void cleanup()
    {
        QCOMPARE(m_b->env.messaggi.problemi(), QString());
        m_b.reset();
    }

    void praticaDaTastiera_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addRow("Si: review, then a new practice from Nuovo esercizio") << int(Messaggi::Si);
        QTest::addRow("No: a new practice at once") << int(Messaggi::No);
    }
    void praticaDaTastiera()
    {
        QFETCH(int, risposta);
        BancoOperativo& b = *m_b;
        QVERIFY(b.apri(operazione(1)));
        controllaInizio(operazione(1));
        int esatte = 0, errate = 0, totale = 0;
        for (int k = 1; k <= 40; ++k) {
            if (k == 40) {
                b.env.messaggi.aspetta(kFinePratica, 68, QStringLiteral("FINE ESERCITAZIONE"), risposta);
                if (risposta == Messaggi::No) {
                    b.prepara({9, 9, 1}); // drawn by the restart's Nuovo esercizio, then replaced
                    b.prepara({6, 8, 2});
                }
            }
            rispondiDaTastiera(k, esatte, errate);
            if (QTest::currentTestFailed())
                return;
            if (k % 10 == 0) {
                esatte = errate = 0;
            } else {
                (sbagliata(k) ? errate : esatte)++;
            }
            totale += !sbagliata(k);
            if (k == 39)
                QCOMPARE(b.env.registro.TotaleEsatte, std::int16_t(totale));
        }
        QCOMPARE(b.env.registro.RispostaMsg.valore(), long(risposta));
        if (risposta == Messaggi::Si) {
            // The review is open; the exercise window waits on "Nuovo esercizio" with the whole log.
            QVERIFY(b.env.finestre.caricata(QStringLiteral("FrmStampa")));
            QCOMPARE(b.log(40), operazione(40).riga(QStringLiteral("%1").arg(operazione(40).esatta() + 1), false, 3));
            QVERIFY(b.visibile("CmdEsercizio") && b.visibile("CmdFine") && b.visibile("CmdStampa"));
            QCOMPARE(b.env.registro.EsercizioN, std::int16_t(0));
            b.prepara({9, 9, 1}); // drawn by the restart's Nuovo esercizio, then replaced
            b.prepara({6, 8, 2});
            b.b("CmdEsercizio")->click();
            b.f->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(b.f));
        }
        controllaInizio({6, 8, 2});
        QVERIFY(!b.f->stato().giudicata);
    }

    // One exercise answered with the mouse alone: keypad keys and "V e r i f i c a ".
    void esercizioColTastierino()
    {
        BancoOperativo& b = *m_b;
        QVERIFY(b.apri(operazione(1)));
        for (int k = 1; k <= 10; ++k) {
            const Operazione o = operazione(k);
            const QString risposta = QString::number(o.esatta() + (sbagliata(k) ? 1 : 0));
            b.tastierino(risposta);
            QCOMPARE(b.box()->text(), risposta);
            QCOMPARE(QString::fromStdString(b.env.registro.Risposta), risposta);
            QVERIFY(b.visibile("CmdVerifica"));
            b.env.orologio.ora += 12;
            if (k < 10)
                b.prepara(operazione(k + 1));
            b.b("CmdVerifica")->click();
            QCOMPARE(b.log(k), o.riga(risposta, !sbagliata(k), 12));
            QCOMPARE(b.l("LblTempoTotale")->text(), QStringLiteral(" %1").arg(12 * k));
            b.tastierino(QStringLiteral("5")); // the keypad is off until the next operation
            QCOMPARE(b.box()->text(), risposta);
            if (k < 10)
                b.b("CmdOperazione")->click();
        }
        QCOMPARE(b.env.registro.EsatteEsercizio.valore(), 8L);
        QCOMPARE(b.env.registro.ErrateEsercizio, std::int16_t(2));
        QCOMPARE(b.facceVisibili(), 10);
        QVERIFY(!b.faccia(8)->isHidden() && !b.faccia(12)->isHidden() && b.faccia(13)->isHidden());
        for (const char* nome : {"CmdEsercizio", "CmdFine", "CmdStampa"})
            QVERIFY2(b.visibile(nome), nome);
        QVERIFY(!b.visibile("CmdVerifica") && !b.visibile("CmdOperazione"));
        QVERIFY(!b.menu("mnuStampa")->isEnabled());

        // "Visualizza  esercizio" opens the review with its print button ready.
        b.b("CmdStampa")->click();
        Finestra* stampa = b.env.finestre.caricata(QStringLiteral("FrmStampa"));
        QVERIFY(stampa);
        QVERIFY(QTest::qWaitForWindowActive(stampa));
        QCOMPARE(QApplication::focusWidget(), stampa->findChild<QWidget*>(QStringLiteral("cmdStampaS")));

        // The look of the window after an exercise, for the documentation.
        const QString cartella = qEnvironmentVariable("NUMERELLA_IMMAGINI");
        if (!cartella.isEmpty()) {
            b.env.finestre.scarica(QStringLiteral("FrmStampa"));
            b.prepara({8, 6, 1});
            b.b("CmdEsercizio")->click();
            QTest::keyClicks(b.box(), QStringLiteral("15"));
            b.env.orologio.ora += 7;
            b.prepara({7, 5, 3});
            b.b("CmdVerifica")->click();
            b.b("CmdOperazione")->click();
            QTest::keyClicks(b.box(), QStringLiteral("5"));
            b.env.orologio.ora += 4;
            b.b("CmdVerifica")->click();
            // The colours and the caption that the start window gives the mode "Calcolo della somma".
            for (const char* nome : {"frmNumero", "TxtRisultato"})
                coloraSfondo(b.c(nome), QColor(250, 250, 200));
            coloraSfondo(b.f, QColor(250, 250, 200));
            for (const char* nome : {"frmElaborazione", "frmValutazione", "CmdFine", "cmdSfondo", "CmdVerifica",
                                     "CmdOperazione", "CmdEsercizio", "CmdStampa"})
                coloraSfondo(b.c(nome), QColor(240, 220, 150));
            b.l("Label1")->setText(QStringLiteral(" Calcola la somma"));
            QDir().mkpath(cartella);
            QVERIFY(b.f->grab().save(QDir(cartella).filePath(QStringLiteral("esercizio.png"))));
        }
    }
};

QTEST_MAIN(TestOperativoFlusso)
#include "TestOperativoFlusso.moc"
