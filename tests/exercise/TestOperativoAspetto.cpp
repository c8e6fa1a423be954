// The exercise window at design: every control's place and size, captions, fonts, colours and menu.
#include "BancoOperativo.h"
#include "platform/Aspetto.h"
#include "platform/ServiziQt.h"

#include <QGroupBox>
#include <QMenu>

using namespace numerella;
using namespace numerella::prova;

class TestOperativoAspetto : public QObject
{
    Q_OBJECT
    std::unique_ptr<BancoOperativo> m_b;

private slots:
    void initTestCase() { preparaApplicazione(); }
    void init()
    {
        m_b = std::make_unique<BancoOperativo>();
        QVERIFY(m_b->apri({7, 5, 1}));
    }
    void cleanup()
    {
        QCOMPARE(m_b->env.messaggi.problemi(), QString());
        m_b.reset();
    }

    void posti_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QRect>("posto");
        const struct
        {
            const char* nome;
            int l, t, w, h;
        } tabella[] = {
            {"Label2", -30, 0, 11985, 555},
            {"Label1", -30, 540, 11985, 555},
            {"LblEsito", 600, 3870, 6375, 975},
            {"LblIstruzione", 900, 7965, 10245, 270},
            {"frmNumero", 90, 1080, 11535, 2265},
            {"LblSegno", 3180, 180, 765, 1815},
            {"LblUguale", 7020, 120, 915, 1815},
            {"fraTastierino", 8220, 3090, 2805, 2595},
            {"Command2", 240, 240, 765, 405},
            {"Command3", 1020, 240, 765, 405},
            {"Command4", 1800, 240, 765, 405},
            {"Command5", 240, 690, 765, 405},
            {"Command6", 1020, 690, 765, 405},
            {"Command7", 1800, 690, 765, 405},
            {"Command8", 240, 1140, 765, 405},
            {"Command9", 1020, 1140, 765, 405},
            {"Command10", 1800, 1140, 765, 405},
            {"Command13", 240, 1605, 765, 405},
            {"Command11", 1020, 1605, 765, 405},
            {"Command12", 1800, 1605, 765, 405},
            {"cmdCancella", 240, 2055, 2325, 435},
            {"CmdEsercizio", 945, 5715, 6810, 495},
            {"CmdOperazione", 975, 5715, 6810, 495},
            {"CmdVerifica", 960, 5715, 6810, 495},
            {"cmdSfondo", 960, 5715, 6810, 495},
            {"CmdStampa", 7875, 5715, 1965, 525},
            {"CmdFine", 9900, 5715, 1335, 525},
            {"frmValutazione", 870, 6285, 6900, 1695},
            {"Label4", 120, 240, 1575, 375},
            {"Label8", 120, 600, 1215, 375},
            {"Label6", 120, 1080, 1455, 375},
            {"LblContatore", 1935, 720, 4815, 270},
            {"frmElaborazione", 7815, 6285, 3375, 1695},
            {"Label5", 240, 360, 3015, 255},
            {"Label3", 240, 600, 3015, 255},
            {"LblEsercizio", 255, 960, 480, 480},
            {"LblOperazione", 975, 960, 480, 480},
            {"LblTempoParziale", 1695, 960, 480, 480},
            {"LblTempoTotale", 2535, 960, 480, 480},
            {"Line1", 840, 360, 15, 840},
            {"Line2", 1560, 360, 15, 840},
            {"Line4", 2400, 360, 15, 840},
        };
        for (const auto& t : tabella)
            QTest::addRow("%s", t.nome) << QString::fromLatin1(t.nome) << QRect(t.l, t.t, t.w, t.h);
        const int colonne[10] = {1875, 2370, 2865, 3360, 3840, 4335, 4815, 5295, 5790, 6270};
        for (int k = 1; k <= 20; ++k)
            QTest::addRow("Image%d", k) << QStringLiteral("Image%1").arg(k)
                                        << QRect(colonne[(k - 1) % 10], k <= 10 ? 255 : 990, 480, 480);
    }
    void posti()
    {
        QFETCH(QString, nome);
        QFETCH(QRect, posto);
        QWidget* w = m_b->f->findChild<QWidget*>(nome);
        QVERIFY2(w, qPrintable(nome));
        QCOMPARE(geometriaTwips(w), posto);
        QVERIFY(!w->accessibleName().isEmpty());
    }

    // Each shape puts the numbers and the box into the left, middle and right places (100, 4000 and
    // 8000 twips, on the pixel grid); their top and size stay those of the design.
    void postiDellaDomanda_data()
    {
        QTest::addColumn<int>("forma");
        QTest::addColumn<QList<int>>("sinistre"); // LblNumero1, TxtRisultato, LblNumero2
        QTest::addColumn<QStringList>("numeri");
        QTest::addRow("7 + 5 = ?") << 1 << QList<int>{90, 7995, 3990} << QStringList{"7", "5"};
        QTest::addRow("? + 7 = 12") << 2 << QList<int>{3990, 90, 7995} << QStringList{"7", "12"};
        QTest::addRow("7 + ? = 12") << 3 << QList<int>{90, 3990, 7995} << QStringList{"7", "12"};
    }
    void postiDellaDomanda()
    {
        QFETCH(int, forma);
        QFETCH(QList<int>, sinistre);
        QFETCH(QStringList, numeri);
        BancoOperativo& b = *m_b;
        b.prepara({7, 5, forma});
        QTest::keyClicks(b.box(), QStringLiteral("1"));
        b.b("CmdVerifica")->click();
        b.b("CmdOperazione")->click();
        QCOMPARE(geometriaTwips(b.l("LblNumero1")), QRect(sinistre[0], 150, 3015, 1845));
        QCOMPARE(geometriaTwips(b.box()), QRect(sinistre[1], 150, 3015, 1875));
        QCOMPARE(geometriaTwips(b.l("LblNumero2")), QRect(sinistre[2], 150, 3015, 1845));
        QCOMPARE(b.l("LblNumero1")->text(), numeri[0]);
        QCOMPARE(b.l("LblNumero2")->text(), numeri[1]);
        QCOMPARE(b.l("LblSegno")->x(), 3180 / 15);
    }

    void finestraEMenu()
    {
        FrmOperativoMeno* f = m_b->f;
        QCOMPARE(f->area()->size(), QSize(11910 / 15, 8340 / 15));
        QCOMPARE(f->windowTitle(), QStringLiteral("ESERCIZI SULLE NUMERELLA.1"));
        QVERIFY(!f->windowIcon().isNull());
        QCOMPARE(f->palette().color(QPalette::Window), QColor(192, 255, 192));
        auto* file = f->findChild<QMenu*>(QStringLiteral("MnuFile"));
        QVERIFY(file);
        QCOMPARE(file->title(), QStringLiteral("File"));
        QStringList voci;
        for (QAction* a : file->actions())
            voci << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(voci, (QStringList{"Visualizza operazioni", "Visualizza attestato", "-", "Esci"}));
        QVERIFY(m_b->menu("mnuseparatore")->isSeparator());
    }

    void didascalie_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("testo");
        QTest::addRow("CmdEsercizio") << "CmdEsercizio"
                                      << "Nuovo esercizio";
        QTest::addRow("CmdOperazione") << "CmdOperazione"
                                       << "N u o v a   s o t t r a z i o n e";
        QTest::addRow("CmdVerifica") << "CmdVerifica"
                                     << "V e r i f i c a ";
        QTest::addRow("cmdSfondo") << "cmdSfondo"
                                   << "";
        QTest::addRow("CmdStampa") << "CmdStampa"
                                   << "Visualizza  esercizio";
        QTest::addRow("CmdFine") << "CmdFine"
                                 << "Esci";
        QTest::addRow("cmdCancella") << "cmdCancella"
                                     << "Cancella";
        QTest::addRow("Command11") << "Command11"
                                   << "00";
        QTest::addRow("Command12") << "Command12"
                                   << "000";
        QTest::addRow("Command13") << "Command13"
                                   << "0";
        QTest::addRow("LblSegno") << "LblSegno"
                                  << "+";
        QTest::addRow("LblUguale") << "LblUguale"
                                   << "=";
        QTest::addRow("Label4") << "Label4"
                                << "Risp. esatte";
        QTest::addRow("Label8") << "Label8"
                                << "Esercizio n.";
        QTest::addRow("Label6") << "Label6"
                                << "Risp. errate";
        QTest::addRow("LblContatore") << "LblContatore"
                                      << "  1      2       3      4      5      6      7      8      9     10";
        QTest::addRow("Label5") << "Label5"
                                << " Eser.    Oper.   Tempo      Tempo ";
        QTest::addRow("Label3") << "Label3"
                                << "                        parziale    totale";
        QTest::addRow("fraTastierino") << "fraTastierino"
                                       << "TASTIERINO";
        QTest::addRow("frmValutazione") << "frmValutazione"
                                        << "VALUTAZIONE";
        QTest::addRow("frmElaborazione") << "frmElaborazione"
                                         << "ELABORAZIONE";
        QTest::addRow("Label2") << "Label2"
                                << " Operazione con numero massimo da 5 a 19";
    }
    void didascalie()
    {
        QFETCH(QString, nome);
        QFETCH(QString, testo);
        QObject* o = m_b->f->findChild<QObject*>(nome);
        QVERIFY2(o, qPrintable(nome));
        const QByteArray proprieta = qobject_cast<QGroupBox*>(o) ? "title" : "text";
        QCOMPARE(o->property(proprieta).toString(), testo);
    }

    void caratteriEColori()
    {
        const auto font = [this](const char* nome) { return m_b->c(nome)->font(); };
        QCOMPARE(font("LblNumero1").pointSizeF(), 72.0);
        QVERIFY(font("TxtRisultato").bold());
        QCOMPARE(font("LblEsito").pointSizeF(), 48.0);
        QCOMPARE(font("Label2").pointSizeF(), 21.75);
        QCOMPARE(font("Command2").pointSizeF(), 14.25);
        QCOMPARE(font("CmdVerifica").pointSizeF(), 12.0);
        QCOMPARE(font("LblIstruzione").pointSizeF(), 11.25);
        QCOMPARE(QFontInfo(font("LblNumero1")).family(), QStringLiteral("Liberation Sans"));
        // The load handler's colours of the top lines and of the answer.
        QCOMPARE(m_b->l("Label2")->palette().color(QPalette::Window), QColor(250, 200, 110));
        QCOMPARE(m_b->l("Label1")->palette().color(QPalette::WindowText), QColor(250, 170, 110));
        QCOMPARE(m_b->box()->palette().color(QPalette::Text), QColor(128, 64, 0));
        QCOMPARE(m_b->c("fraTastierino")->palette().color(QPalette::Window), QColor(255, 255, 192));
        QCOMPARE(m_b->b("Command2")->palette().color(QPalette::Button), QColor(255, 255, 128));
        QCOMPARE(m_b->l("LblIstruzione")->palette().color(QPalette::Window), QColor(192, 255, 255));
        QCOMPARE(m_b->l("LblTempoParziale")->toolTip(), QStringLiteral("Secondi impiegati per ogni risposta"));
        QCOMPARE(m_b->l("LblTempoTotale")->toolTip(), QStringLiteral("Secondi impiegati per ogni esercizio"));
        QCOMPARE(m_b->box()->maxLength(), 3);
        QVERIFY(m_b->b("CmdVerifica")->cursor().shape() == Qt::BitmapCursor);
        QVERIFY(!m_b->b("cmdSfondo")->isEnabled());
        QVERIFY(m_b->faccia(1)->pixmap().toImage().pixelColor(16, 4).red() > 200); // the yellow face is drawn
    }
};

QTEST_MAIN(TestOperativoAspetto)
#include "TestOperativoAspetto.moc"
