// The background window, the grading-scale window, the information program and every exit of the start
// window, with and without the exercise window open.
#include "Ambiente.h"
#include "EsercizioFinto.h"
#include "platform/Aspetto.h"
#include "platform/ServiziQt.h"
#include "windows/start/FrmInizio.h"
#include "windows/start/FrmValutazione.h"
#include "windows/start/frmSfondo.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace numerella;
using numerella::prova::EsercizioFinto;

class TestUscite : public QObject
{
    Q_OBJECT
    std::unique_ptr<prova::Ambiente> env;

    Finestra* caricata(const char* nome) const { return env->finestre.caricata(QString::fromLatin1(nome)); }
    QStringList caricate() const
    {
        QStringList nomi = env->finestre.caricate();
        nomi.sort();
        return nomi;
    }
    FrmInizio* inizio() const { return qobject_cast<FrmInizio*>(caricata("FrmInizio")); }
    template <class W = QWidget> W* diInizio(const char* nome) const
    {
        return inizio()->findChild<W*>(QString::fromLatin1(nome));
    }
    void apriEsercizio()
    {
        QTest::keyClicks(diInizio<QLineEdit>("txtNome"), "Ugo");
        QTest::keyClick(diInizio<QLineEdit>("txtNome"), Qt::Key_Return);
        diInizio<QPushButton>("Command1")->click();
        QVERIFY(caricata("FrmOperativoMeno"));
    }

private slots:
    void initTestCase() { preparaApplicazione(); }

    void init()
    {
        env = std::make_unique<prova::Ambiente>();
        env->registra<frmSfondo>(QStringLiteral("frmSfondo"));
        env->registra<FrmInizio>(QStringLiteral("FrmInizio"));
        env->registra<FrmValutazione>(QStringLiteral("FrmValutazione"));
        env->registra<EsercizioFinto>(QStringLiteral("FrmOperativoMeno"));
        env->finestre.carica(QStringLiteral("frmSfondo"));
    }

    void cleanup()
    {
        QCOMPARE(env->messaggi.problemi(), QString());
        env.reset();
    }

    void avvio()
    {
        QCOMPARE(caricate(), (QStringList{"FrmInizio", "frmSfondo"}));
        Finestra* sfondo = caricata("frmSfondo");
        QVERIFY(sfondo->isVisible());
        QVERIFY(sfondo->windowState() & Qt::WindowMaximized);
        QVERIFY(sfondo->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(sfondo->palette().color(QPalette::Window), QColor(192, 255, 192));
        QVERIFY(inizio()->isVisible());
        // Nothing else is touched at start-up.
        QVERIFY(env->stampanti.documenti.isEmpty());
        QVERIFY(env->suono.suonati.empty());
    }

    void clicSulloSfondo_data()
    {
        QTest::addColumn<bool>("doppio");
        QTest::addRow("click") << false;
        QTest::addRow("double click") << true;
    }
    void clicSulloSfondo()
    {
        QFETCH(bool, doppio);
        Finestra* sfondo = caricata("frmSfondo");
        QVERIFY(QTest::qWaitForWindowExposed(sfondo));
        inizio()->hide();
        if (doppio)
            QTest::mouseDClick(sfondo, Qt::LeftButton, {}, QPoint(5, 5));
        else
            QTest::mouseClick(sfondo, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(inizio()->isVisible());
    }

    void uscite_data()
    {
        QTest::addColumn<QString>("uscita");
        QTest::addColumn<bool>("conEsercizio");
        for (bool conEsercizio : {false, true}) {
            const char* quando = conEsercizio ? "exercise open" : "alone";
            for (const char* uscita : {"cmdFine", "Command9", "mnuEsci", "close box", "unload"})
                QTest::addRow("%s, %s", uscita, quando) << QString::fromLatin1(uscita) << conEsercizio;
        }
    }
    void uscite()
    {
        QFETCH(QString, uscita);
        QFETCH(bool, conEsercizio);
        if (conEsercizio)
            apriEsercizio();
        else if (uscita == "Command9") {
            QTest::keyClicks(diInizio<QLineEdit>("txtNome"), "Ugo");
            diInizio<QPushButton>("cmdAvanti")->click();
        }
        if (uscita == "mnuEsci")
            diInizio<QAction>("mnuEsci")->trigger();
        else if (uscita == "close box")
            inizio()->close();
        else if (uscita == "unload")
            env->finestre.scarica(QStringLiteral("FrmInizio"));
        else
            diInizio<QPushButton>(qPrintable(uscita))->click();

        if (!conEsercizio) {
            QVERIFY(caricate().isEmpty());
            QCOMPARE(env->terminazione.senzaFinestre, 1);
            return;
        }
        // The exercise window stays open and usable; the program ends when it is closed.
        QCOMPARE(caricate(), QStringList{"FrmOperativoMeno"});
        QCOMPARE(env->terminazione.senzaFinestre, 0);
        Finestra* esercizio = caricata("FrmOperativoMeno");
        QVERIFY(esercizio->isVisible() && esercizio->isEnabled());
        esercizio->close();
        QVERIFY(caricate().isEmpty());
        QCOMPARE(env->terminazione.senzaFinestre, 1);
        QCOMPARE(env->terminazione.subito, 0);
    }

    void scalaDiValutazione()
    {
        QAction* menu = diInizio<QAction>("mnuValutazione");
        QCOMPARE(menu->text(), QStringLiteral("Scala di valutazione"));
        menu->trigger();
        QPointer<Finestra> scala = caricata("FrmValutazione");
        QVERIFY(scala && scala->isVisible());
        menu->trigger();
        QCOMPARE(caricata("FrmValutazione"), scala.data());
        QCOMPARE(scala->windowTitle(), QStringLiteral("SCALA  DI  VALUTAZIONE"));
        QCOMPARE(geometriaTwips(scala->area()).size(), QSize(7215, 4620));
        QVERIFY(QTest::qWaitForWindowExposed(scala));

        // Clicks on a line of the scale, inside a frame and on the note below leave it open.
        QTest::mouseClick(scala->findChild<QLabel*>("Label6"), Qt::LeftButton);
        QTest::mouseClick(scala->findChild<QWidget*>("Frame2"), Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(scala->findChild<QWidget*>("Label10"), Qt::LeftButton);
        QVERIFY(caricata("FrmValutazione"));
        // A click on the bare margin closes it; the menu opens it afresh.
        QTest::mouseClick(scala->area(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!caricata("FrmValutazione"));
        prova::Ambiente::eliminaScaricate();
        QVERIFY(!scala);
        menu->trigger();
        QVERIFY(caricata("FrmValutazione"));
        caricata("FrmValutazione")->close();
        QVERIFY(!caricata("FrmValutazione"));
        QCOMPARE(caricate(), (QStringList{"FrmInizio", "frmSfondo"}));
    }

    void programmaInformativo_data()
    {
        QTest::addColumn<bool>("trovato");
        QTest::addRow("started") << true;
        QTest::addRow("missing") << false;
    }
    void programmaInformativo()
    {
        QFETCH(bool, trovato);
        env->avviatore.riesce = trovato;
        if (!trovato) {
            env->messaggi.aspetta(QStringLiteral("File mancante"), Messaggi::SoloOk, QString(), Messaggi::Ok);
            env->messaggi.aspetta(QStringLiteral("File mancante"), Messaggi::SoloOk, QString(), Messaggi::Ok);
        }
        const Modulo1 prima = env->registro;
        diInizio<QAction>("mnuInfo")->trigger();
        diInizio<QAction>("mnuInfo")->trigger();
        QCOMPARE(env->avviatore.avviati, (QStringList{"www.exe", "www.exe"}));
        QCOMPARE(env->registro.Messaggio, prima.Messaggio);
        QCOMPARE(caricate(), (QStringList{"FrmInizio", "frmSfondo"}));
    }
};

QTEST_MAIN(TestUscite)
#include "test_uscite.moc"
