// The start window: its state right after opening, the name entry, the range buttons and the dispatch of
// the three question modes to the exercise window.
#include "Ambiente.h"
#include "EsercizioFinto.h"
#include "platform/Aspetto.h"
#include "platform/ServiziQt.h"
#include "windows/start/FrmInizio.h"

#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace numerella;
using numerella::prova::EsercizioFinto;

class TestFrmInizio : public QObject
{
    Q_OBJECT
    std::unique_ptr<prova::Ambiente> env;
    FrmInizio* finestra = nullptr;

    template <class W = QWidget> W* controllo(const char* nome) const
    {
        auto* w = finestra->findChild<W*>(QString::fromLatin1(nome));
        Q_ASSERT_X(w, "controllo", nome);
        return w;
    }
    QLineEdit* txtNome() const { return controllo<QLineEdit>("txtNome"); }
    // Types a text key by key, letters outside ASCII included.
    void digita(const QString& testo)
    {
        for (QChar c : testo) {
            if (c.unicode() < 128)
                QTest::keyClick(txtNome(), char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, txtNome(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    QWidget* esercizio() const { return env->finestre.caricata(QStringLiteral("FrmOperativoMeno")); }
    void accettaNome(const QString& nome = QStringLiteral("Anna"))
    {
        QTest::keyClicks(txtNome(), nome);
        QTest::keyClick(txtNome(), Qt::Key_Return);
    }

private slots:
    void initTestCase() { preparaApplicazione(); }

    void init()
    {
        env = std::make_unique<prova::Ambiente>();
        env->registra<FrmInizio>(QStringLiteral("FrmInizio"));
        env->registra<EsercizioFinto>(QStringLiteral("FrmOperativoMeno"));
        EsercizioFinto::caricamenti = 0;
        EsercizioFinto::visto = {};
        finestra = qobject_cast<FrmInizio*>(env->finestre.mostra(QStringLiteral("FrmInizio")));
        QVERIFY(finestra);
        QVERIFY(QTest::qWaitForWindowExposed(finestra));
    }

    void cleanup()
    {
        QCOMPARE(env->messaggi.problemi(), QString());
        env.reset();
    }

    void statoIniziale()
    {
        QCOMPARE(finestra->windowTitle(), QStringLiteral("NUMERELLA.1!"));
        auto* Combo1 = controllo<QComboBox>("Combo1");
        QCOMPARE(Combo1->count(), 3);
        QCOMPARE(Combo1->itemText(0), QStringLiteral("Calcolo della somma"));
        QCOMPARE(Combo1->itemText(1), QStringLiteral("Calcolo degli addendi"));
        QCOMPARE(Combo1->itemText(2), QStringLiteral("Calcolo casuale della somma o degli addendi"));
        QCOMPARE(Combo1->currentText(), QStringLiteral("Calcolo della somma"));
        QVERIFY(txtNome()->text().isEmpty());
        QCOMPARE(finestra->focusWidget(), txtNome());
        QVERIFY(controllo("Frame2")->isVisible());
        QCOMPARE(geometriaTwips(finestra->area()).size(), QSize(11880, 8310));

        // Tab order: the named controls in this sequence, each reached once.
        const QStringList atteso{"txtNome",  "Combo1",   "Command1", "Command2",  "Command3", "Command4",
                                 "Command5", "Command6", "Command9", "cmdAvanti", "cmdFine"};
        QStringList trovato;
        QWidget* w = txtNome();
        do {
            if (atteso.contains(w->objectName()) && !trovato.contains(w->objectName()))
                trovato.append(w->objectName());
            w = w->nextInFocusChain();
        } while (w != txtNome());
        QCOMPARE(trovato, atteso);
    }

    void tastiNelNome_data()
    {
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("beep");
        QTest::addRow("ten digits") << "0123456789"
                                    << "" << 10;
        QTest::addRow("digits among letters") << "Lu1c4a"
                                              << "Luca" << 2;
        QTest::addRow("accents, blanks, punctuation")
            << QStringLiteral("Nicolò D'Amì-o.") << QStringLiteral("Nicolò D'Amì-o.") << 0;
        QTest::addRow("sixteenth letter") << "abcdefghijklmnop"
                                          << "abcdefghijklmno" << 0;
    }
    void tastiNelNome()
    {
        QFETCH(QString, tasti);
        QFETCH(QString, testo);
        QFETCH(int, beep);
        digita(tasti);
        QCOMPARE(txtNome()->text(), testo);
        QCOMPARE(env->cicalino.beep_, beep);
        QVERIFY(controllo("Frame2")->isVisible());
    }

    void backspaceAccettato()
    {
        QTest::keyClicks(txtNome(), "Lia");
        QTest::keyClick(txtNome(), Qt::Key_Backspace);
        QCOMPARE(txtNome()->text(), QStringLiteral("Li"));
        QCOMPARE(env->cicalino.beep_, 0);
    }

    void testoIncollatoSenzaCifre()
    {
        QTest::keyClicks(txtNome(), "Al");
        QGuiApplication::clipboard()->setText(QStringLiteral("2do3"));
        txtNome()->paste();
        QCOMPARE(txtNome()->text(), QStringLiteral("Aldo"));
        QCOMPARE(txtNome()->cursorPosition(), 4);
        QCOMPARE(env->cicalino.beep_, 1);
    }

    void nomeVuotoRifiutato_data()
    {
        QTest::addColumn<bool>("conInvio");
        QTest::addRow("Enter") << true;
        QTest::addRow("AVANTI") << false;
    }
    void nomeVuotoRifiutato()
    {
        QFETCH(bool, conInvio);
        env->registro.StileMsg = 68; // left behind by an earlier box: this one has a single OK button
        env->messaggi.aspetta(QStringLiteral("Introduci il nome"), Messaggi::SoloOk, QStringLiteral("distrazione"),
                              Messaggi::Ok);
        if (conInvio)
            QTest::keyClick(txtNome(), Qt::Key_Return);
        else
            controllo<QPushButton>("cmdAvanti")->click();
        QCOMPARE(long(env->registro.RispostaMsg), 1L);
        QVERIFY(controllo("Frame2")->isVisible());
        QVERIFY(!controllo("Frame1")->isEnabled());
        QCOMPARE(finestra->focusWidget(), txtNome());
        QVERIFY(env->registro.NomeAlunno.empty());
    }

    void nomeAccettato_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("conInvio");
        QTest::addRow("three blanks, Enter") << "   " << true;
        QTest::addRow("a name, AVANTI") << QStringLiteral("giò rossi") << false;
    }
    void nomeAccettato()
    {
        QFETCH(QString, nome);
        QFETCH(bool, conInvio);
        digita(nome);
        if (conInvio)
            QTest::keyClick(txtNome(), Qt::Key_Return);
        else
            controllo<QPushButton>("cmdAvanti")->click();
        QCOMPARE(QString::fromStdString(env->registro.NomeAlunno), nome);
        QVERIFY(!controllo("Frame2")->isVisible());
        QCOMPARE(finestra->focusWidget(), controllo("Command1"));
        QVERIFY(!esercizio());
    }

    void fasciaSoloDopoIlNome()
    {
        QTest::mouseClick(controllo("Command1"), Qt::LeftButton);
        controllo<QPushButton>("Command1")->click();
        QVERIFY(!esercizio());
        QVERIFY(env->registro.Fascia.vuoto());
        // The mode list alone changes nothing either.
        controllo<QComboBox>("Combo1")->setCurrentIndex(2);
        QVERIFY(env->registro.FormaMin.vuoto());
        QVERIFY(!esercizio());
    }

    void pulsantiDellaFascia_data()
    {
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("minimo");
        QTest::addColumn<int>("massimo");
        QTest::addColumn<int>("fascia");
        QTest::addRow("1") << "Command1"
                           << "NUMERO MAX DA 1 A 10" << 1 << 10 << 1;
        QTest::addRow("2") << "Command2"
                           << "NUMERO MAX DA 1 A  20" << 1 << 20 << 2;
        QTest::addRow("3") << "Command3"
                           << "NUMERO MAX DA 10 A 30" << 10 << 20 << 3;
        QTest::addRow("4") << "Command4"
                           << "NUMERO MAX DA 10 A 40" << 10 << 40 << 4;
        QTest::addRow("5") << "Command5"
                           << "NUMERO MAX DA 40 A  99" << 40 << 98 << 5;
        QTest::addRow("6") << "Command6"
                           << "NUMERO MAX DA 10 A 99" << 10 << 98 << 6;
    }
    void pulsantiDellaFascia()
    {
        QFETCH(QString, pulsante);
        QFETCH(QString, didascalia);
        QFETCH(int, minimo);
        QFETCH(int, massimo);
        QFETCH(int, fascia);
        accettaNome();
        auto* p = finestra->findChild<QPushButton*>(pulsante);
        QCOMPARE(p->text(), didascalia);
        p->click();
        QCOMPARE(long(env->registro.NumeroMin), long(minimo));
        QCOMPARE(int(env->registro.NumeroMax), massimo);
        QCOMPARE(long(env->registro.Fascia), long(fascia));
        QCOMPARE(EsercizioFinto::visto.Fascia, long(fascia));
        QVERIFY(esercizio() && esercizio()->isVisible());
    }

    void modi_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("formaMin");
        QTest::addColumn<int>("formaMax");
        QTest::addColumn<QColor>("sfondo");
        QTest::addColumn<QColor>("accento");
        QTest::addColumn<QString>("coloreTema");
        QTest::addColumn<QString>("didascalia");
        QTest::addRow("sum") << 0 << 1 << 1 << QColor(250, 250, 200) << QColor(240, 220, 150) << "9886960"
                             << " Calcola la somma";
        QTest::addRow("addends") << 1 << 2 << 3 << QColor(200, 255, 255) << QColor(200, 200, 255) << "16763080"
                                 << " Calcola gli addendi";
        QTest::addRow("mixed") << 2 << 1 << 3 << QColor(255, 215, 220) << QColor(240, 180, 220) << "14464240"
                               << " Calcola la somma o gli addendi";
    }
    void modi()
    {
        QFETCH(int, modo);
        QFETCH(int, formaMin);
        QFETCH(int, formaMax);
        QFETCH(QColor, sfondo);
        QFETCH(QColor, accento);
        QFETCH(QString, coloreTema);
        QFETCH(QString, didascalia);
        accettaNome();
        controllo<QComboBox>("Combo1")->setCurrentIndex(modo);
        controllo<QPushButton>("Command4")->click();

        const Modulo1& r = env->registro;
        QCOMPARE(long(r.FormaMin), long(formaMin));
        QCOMPARE(long(r.FormaMax), long(formaMax));
        QCOMPARE(QString::fromStdString(r.ColoreTema), coloreTema);
        QCOMPARE(QString::fromStdString(r.TestoModo), didascalia);

        // The load handler ran with the range and shapes already stored, before any colour or caption.
        const EsercizioFinto::AlCaricamento& visto = EsercizioFinto::visto;
        QCOMPARE(EsercizioFinto::caricamenti, 1);
        QCOMPARE(visto.NumeroMin, 10L);
        QCOMPARE(visto.NumeroMax, 40L);
        QCOMPARE(visto.Fascia, 4L);
        QCOMPARE(visto.FormaMin, long(formaMin));
        QCOMPARE(visto.FormaMax, long(formaMax));
        QCOMPARE(visto.ColoreTema, std::string());
        QCOMPARE(visto.didascalia, QString());
        QVERIFY(visto.sfondo != sfondo);
        QVERIFY(visto.accento != accento);

        auto* e = qobject_cast<Finestra*>(esercizio());
        QVERIFY(e && e->isVisible());
        QCOMPARE(e->area()->palette().color(QPalette::Window), sfondo);
        QCOMPARE(e->findChild<QWidget*>("frmNumero")->palette().color(QPalette::Window), sfondo);
        auto* risultato = e->findChild<QWidget*>("TxtRisultato");
        QCOMPARE(risultato->palette().color(QPalette::Base), sfondo);
        QCOMPARE(risultato->palette().color(QPalette::Text), QColor(128, 64, 0));
        for (const char* nome : {"frmElaborazione", "frmValutazione"})
            QCOMPARE(e->findChild<QWidget*>(nome)->palette().color(QPalette::Window), accento);
        for (const char* nome : {"CmdFine", "cmdSfondo", "CmdVerifica", "CmdOperazione", "CmdEsercizio", "CmdStampa"})
            QCOMPARE(e->findChild<QWidget*>(nome)->palette().color(QPalette::Button), accento);
        QCOMPARE(e->findChild<QLabel*>("Label1")->text(), didascalia);
    }

    void sceltaSuccessiva()
    {
        accettaNome();
        controllo<QPushButton>("Command1")->click();
        auto* e = qobject_cast<Finestra*>(esercizio());
        QVERIFY(e);

        controllo<QComboBox>("Combo1")->setCurrentIndex(1);
        controllo<QPushButton>("Command5")->click();
        QCOMPARE(EsercizioFinto::caricamenti, 1);
        QCOMPARE(qobject_cast<Finestra*>(esercizio()), e);
        QCOMPARE(long(env->registro.Fascia), 5L);
        QCOMPARE(long(env->registro.FormaMin), 2L);
        QCOMPARE(e->area()->palette().color(QPalette::Window), QColor(200, 255, 255));
        QCOMPARE(e->findChild<QWidget*>("CmdStampa")->palette().color(QPalette::Button), QColor(200, 200, 255));
        QCOMPARE(e->findChild<QLabel*>("Label1")->text(), QStringLiteral(" Calcola gli addendi"));

        // Once closed, the next choice loads the exercise window afresh; its load handler sees the last accent.
        env->finestre.scarica(QStringLiteral("FrmOperativoMeno"));
        prova::Ambiente::eliminaScaricate();
        controllo<QComboBox>("Combo1")->setCurrentIndex(2);
        controllo<QPushButton>("Command2")->click();
        QCOMPARE(EsercizioFinto::caricamenti, 2);
        QCOMPARE(EsercizioFinto::visto.ColoreTema, std::string("16763080"));
        QCOMPARE(EsercizioFinto::visto.Fascia, 2L);
        QCOMPARE(QString::fromStdString(env->registro.ColoreTema), QStringLiteral("14464240"));
        QVERIFY(esercizio()->isVisible());
    }
};

QTEST_MAIN(TestFrmInizio)
#include "test_frm_inizio.moc"
