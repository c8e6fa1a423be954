// Focus requests, the program's button and the chime player.
#include "platform/Aspetto.h"
#include "platform/Pulsante.h"
#include "platform/ServiziQt.h"

#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace numerella;

class TestControlli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { preparaApplicazione(); }

    // A hidden or disabled control, or one inside a hidden frame, cannot take the focus: the request is ignored.
    void daiFuocoIgnoraIControlliNascosti()
    {
        QWidget finestra;
        auto* primo = new QLineEdit(&finestra);
        auto* nascosto = new QLineEdit(&finestra);
        auto* spento = new QLineEdit(&finestra);
        auto* cornice = new QFrame(&finestra);
        auto* dentro = new QLineEdit(cornice);
        nascosto->hide();
        spento->setEnabled(false);
        cornice->hide();
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        daiFuoco(primo);
        QCOMPARE(finestra.focusWidget(), primo);

        for (QWidget* w : {static_cast<QWidget*>(nascosto), static_cast<QWidget*>(spento),
                           static_cast<QWidget*>(dentro), static_cast<QWidget*>(nullptr)}) {
            daiFuoco(w);
            QCOMPARE(finestra.focusWidget(), primo);
        }
        nascosto->show();
        daiFuoco(nascosto);
        QCOMPARE(finestra.focusWidget(), nascosto);
    }

    // A window not yet shown: the request does not fail and the control has the focus once shown.
    void daiFuocoPrimaDellaPrimaApparizione()
    {
        QWidget finestra;
        new QLineEdit(&finestra);
        auto* secondo = new QLineEdit(&finestra);
        daiFuoco(secondo);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        QCOMPARE(finestra.focusWidget(), secondo);
    }

    void pulsantePremutoDaInvio_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("modificatori");
        QTest::addColumn<int>("pressioni");
        QTest::addRow("Invio") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
        QTest::addRow("Invio del tastierino") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
        QTest::addRow("Ctrl+Invio") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
        QTest::addRow("una lettera") << int(Qt::Key_A) << int(Qt::NoModifier) << 0;
    }
    void pulsantePremutoDaInvio()
    {
        QFETCH(int, tasto);
        QFETCH(int, modificatori);
        QFETCH(int, pressioni);
        QWidget finestra;
        new QLineEdit(&finestra);
        auto* p = new Pulsante(QStringLiteral("CmdVerifica"), QStringLiteral("V e r i f i c a "), &finestra);
        QCOMPARE(p->objectName(), QStringLiteral("CmdVerifica"));
        QCOMPARE(p->accessibleName(), QStringLiteral("V e r i f i c a "));
        QSignalSpy premuto(p, &QPushButton::clicked);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        p->setFocus();
        QTest::keyClick(p, Qt::Key(tasto), Qt::KeyboardModifiers(modificatori));
        QCOMPARE(premuto.count(), pressioni);
    }

    // Pressing a button in code runs its handler at once, even while the button is hidden.
    void pulsanteNascostoPremutoDalCodice()
    {
        QWidget finestra;
        auto* p = new Pulsante(QStringLiteral("CmdEsercizio"), QStringLiteral("Nuovo esercizio"), &finestra);
        int volte = 0;
        QObject::connect(p, &QPushButton::clicked, p, [&] { ++volte; });
        p->hide();
        p->click();
        QCOMPARE(volte, 1);
        finestra.show();
        p->click();
        QCOMPARE(volte, 2);
    }

    // A missing or unreadable sound file means silence: nothing fails and the next sound still plays.
    void suonoMancanteSilenzioso()
    {
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        const QString rotto = cartella.filePath(QStringLiteral("positivo.wav"));
        QFile f(rotto);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("questo non e un file WAVE");
        f.close();

        SuonoQt suono;
        suono.riproduci(cartella.filePath(QStringLiteral("manca/positivo.wav")).toStdString());
        suono.riproduci("");
        suono.riproduci(rotto.toStdString());
        suono.riproduci(rotto.toStdString());
        QTest::qWait(100);
        suono.riproduci(cartella.filePath(QStringLiteral("manca.wav")).toStdString());
    }
};

QTEST_MAIN(TestControlli)
#include "test_controlli.moc"
