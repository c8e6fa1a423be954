// One print of the operations sheet and one of the certificate through a real CUPS server: a private
// cupsd with a cups-pdf queue as its default destination. The queue re-renders what it gets, so this
// checks the pages and the places; the texts are checked on the direct PDF (TestStampantePdf).
#include "Ambiente.h"
#include "LetturaPdf.h"
#include "PraticaDiProva.h"
#include "ServerCupsPrivato.h"
#include "platform/ServiziQt.h"
#include "platform/StampanteQt.h"
#include "windows/reports/FrmAttestato.h"
#include "windows/reports/FrmStampa.h"

#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace numerella;
using namespace numerella::prova;

namespace {

QString riga(int k)
{
    return QStringLiteral(" %1 + %2 = ?   (%3)  %4 Tp").arg(k % 9 + 1).arg(k).arg(k + k % 9 + 1).arg(k % 5 + 2);
}

} // namespace

class TestStampaCups : public QObject
{
    Q_OBJECT
    std::unique_ptr<ServerCupsPrivato> server;
    std::unique_ptr<Ambiente> env;
    MessaggiRegistrati messaggi;
    std::unique_ptr<FabbricaStampanteQt> fabbrica;
    std::unique_ptr<Servizi> servizi;

private slots:
    void initTestCase()
    {
        server = std::make_unique<ServerCupsPrivato>();
        const QString perche = server->avvia();
        if (!perche.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no private CUPS server: ") + perche));
        const QString coda = server->preparaCoda();
        QVERIFY2(coda.isEmpty(), qPrintable(coda));
        preparaApplicazione();
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), server->coda());
        env = std::make_unique<Ambiente>();
        fabbrica = std::make_unique<FabbricaStampanteQt>(messaggi);
        servizi = serviziConStampante(*env, messaggi, *fabbrica);
        env->registra<FrmStampa>(QStringLiteral("FrmStampa"));
        env->registra<FrmAttestato>(QStringLiteral("FrmAttestato"));
        env->registro.NomeAlunno = "marco";
        env->registro.NumeroOperazione = 40;
        env->registro.TotaleEsatte = 33;
        for (int k = 1; k <= 40; ++k)
            env->registro.ElencoOperazioni(k) = riga(k).toStdString();
        for (int k = 1; k <= 4; ++k)
            env->registro.TestoTempoEsercizio(k) = " " + std::to_string(40 + k);
    }
    void cleanupTestCase()
    {
        env.reset();
        servizi.reset();
        fabbrica.reset();
        server.reset();
    }

    void ilFoglioDallaStampante()
    {
        const QStringList prima = server->pdf();
        env->finestre.carica<FrmStampa>(QStringLiteral("FrmStampa"))->stampa();
        QCOMPARE(messaggi.testi, QStringList());
        const QString file = server->aspettaPdf(prima);
        QVERIFY2(!file.isEmpty(), qPrintable("the queue wrote no PDF\n" + server->registroErrori()));
        QCOMPARE(paginePdf(file), 1);

        // The queue re-encodes the glyphs, so the lines are told apart by their places alone. Every line of
        // the log starts with one blank; the places count from where line 1 stands (1000, 2000 twips).
        QList<RigaPdf> righe = righePdf(file);
        QVERIFY(righe.size() > 2);
        const double blank = righe[1].carattere;
        const QPointF origine = righe[1].inizio - QPointF(1000 / 20.0 + blank, 2000 / 20.0);
        righe = righePdf(file, {origine.x() + 5999 / 20.0});
        // Top to bottom, left to right: the heading, the forty lines in their two blocks, the four times.
        QList<QPointF> attesi{{1000, 1000}};
        for (int r = 0; r < 20; ++r) {
            const int y = 2000 + 400 * r + (r >= 10 ? 400 : 0);
            attesi << QPointF(1000, y) << QPointF(6000, y);
        }
        attesi << QPointF(1000, 11000) << QPointF(6000, 11000) << QPointF(1000, 12000) << QPointF(6000, 12000);
        QCOMPARE(righe.size(), attesi.size());
        for (qsizetype i = 1; i < righe.size(); ++i) {
            const bool riga = i <= 40;
            const QPointF p = (righe[i].inizio - origine) * 20 - QPointF(riga ? blank * 20 : 0, 0);
            QVERIFY2(std::abs(p.x() - attesi[i].x()) < 40 && std::abs(p.y() - attesi[i].y()) < 40,
                     qPrintable(QStringLiteral("line %1 at %2, %3 instead of %4, %5")
                                    .arg(i)
                                    .arg(p.x())
                                    .arg(p.y())
                                    .arg(attesi[i].x())
                                    .arg(attesi[i].y())));
        }
        // The heading, larger, starts at the left edge of the lines (the queue's re-encoding may turn its
        // first glyph into a blank: one character of play).
        QVERIFY(std::abs((righe[0].inizio.x() - origine.x()) * 20 - 1000) < righe[0].carattere * 20 + 40);
        QVERIFY(righe[0].carattere > blank * 1.4);
    }

    void lAttestatoDallaStampante()
    {
        const QStringList prima = server->pdf();
        auto* w = env->finestre.carica<FrmAttestato>(QStringLiteral("FrmAttestato"));
        w->show();
        w->Form_Activate();
        w->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QCOMPARE(messaggi.testi, QStringList());
        const QString file = server->aspettaPdf(prima);
        QVERIFY2(!file.isEmpty(), qPrintable("the queue wrote no PDF\n" + server->registroErrori()));
        QCOMPARE(paginePdf(file), 1);
        QCOMPARE(immaginiPdf(file), 1);
    }
};

QTEST_MAIN(TestStampaCups)
#include "TestStampaCups.moc"
