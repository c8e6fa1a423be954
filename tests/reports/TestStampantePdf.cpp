// The printer layer on Qt: the font list, the print-out and the certificate written to PDF files and
// read back, the PDF made when there is no printer, and printer faults.
#include "Ambiente.h"
#include "LetturaPdf.h"
#include "PraticaDiProva.h"
#include "platform/ServiziQt.h"
#include "platform/StampanteQt.h"
#include "windows/reports/FrmAttestato.h"
#include "windows/reports/FrmStampa.h"

#include <QFile>
#include <QFontInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace numerella;
using namespace numerella::prova;

namespace {

class FontFinti : public OrigineFont
{
public:
    QStringList elenco;
    QStringList fissi;
    QStringList famiglie() override { return elenco; }
    bool passoFisso(const QString& nome) override { return fissi.contains(nome); }
};

const QString kGuasto = QStringLiteral("La stampa non è riuscita: controlla che la stampante sia accesa e pronta.");

} // namespace

class TestStampantePdf : public QObject
{
    Q_OBJECT
    QTemporaryDir cartella;
    std::unique_ptr<Ambiente> env;
    std::unique_ptr<MessaggiRegistrati> messaggi;
    std::unique_ptr<FabbricaStampanteQt> fabbrica;
    std::unique_ptr<Servizi> servizi;

    void pratica(int n) { riempiPratica(env->registro, n); }

private slots:
    void initTestCase()
    {
        // No CUPS server answers here: the machine's own printers never take part.
        qputenv("CUPS_SERVER", QFile::encodeName(cartella.filePath(QStringLiteral("nessun-server.sock"))));
        preparaApplicazione();
        QVERIFY(cartella.isValid());
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils (pdftotext) is not installed");
    }
    void init()
    {
        env = std::make_unique<Ambiente>();
        messaggi = std::make_unique<MessaggiRegistrati>();
        fabbrica = std::make_unique<FabbricaStampanteQt>(*messaggi);
        servizi = serviziConStampante(*env, *messaggi, *fabbrica);
        env->registra<FrmStampa>(QStringLiteral("FrmStampa"));
        env->registra<FrmAttestato>(QStringLiteral("FrmAttestato"));
    }
    void cleanup()
    {
        env.reset();
        servizi.reset();
        fabbrica.reset();
        messaggi.reset();
    }

    void elencoDeiFont_data()
    {
        QTest::addColumn<QStringList>("famiglie");
        QTest::addColumn<QStringList>("fissi");
        QTest::addColumn<QStringList>("elenco");
        QTest::addRow("alias a passo fisso")
            << QStringList{"Arial", "DejaVu Sans", "Times"} << QStringList{"Courier", "Courier New"}
            << QStringList{"Courier New", "Courier", "Arial", "DejaVu Sans", "Times"};
        QTest::addRow("solo Courier New")
            << QStringList{"Arial"} << QStringList{"Courier New"} << QStringList{"Courier New", "Arial"};
        QTest::addRow("nessun passo fisso")
            << QStringList{"Arial", "Times"} << QStringList{} << QStringList{"Arial", "Times"};
        QTest::addRow("già nell'elenco") << QStringList{"Zeta", "Courier New"} << QStringList{"Courier New"}
                                         << QStringList{"Zeta", "Courier New"};
        QTest::addRow("nessun font") << QStringList{} << QStringList{} << QStringList{};
    }
    void elencoDeiFont()
    {
        QFETCH(QStringList, famiglie);
        QFETCH(QStringList, fissi);
        QFETCH(QStringList, elenco);
        auto origine = std::make_unique<FontFinti>();
        origine->elenco = famiglie;
        origine->fissi = fissi;
        FabbricaStampanteQt f(*messaggi, std::move(origine));
        QCOMPARE(f.elencoFont(), elenco);
    }

    void senzaCourierIlMessaggio()
    {
        auto origine = std::make_unique<FontFinti>();
        origine->elenco = {"Arial", "Times"};
        fabbrica = std::make_unique<FabbricaStampanteQt>(*messaggi, std::move(origine));
        servizi = serviziConStampante(*env, *messaggi, *fabbrica);
        pratica(10);
        auto* w = env->finestre.carica<FrmStampa>(QStringLiteral("FrmStampa"));
        w->stampa();
        QCOMPARE(messaggi->testi,
                 QStringList(2, QStringLiteral("Devi installare il font Courier o il font Courier New")));
    }

    void ilSistemaHaUnCourier()
    {
        OrigineFontSistema sistema;
        QVERIFY(sistema.passoFisso(QStringLiteral("Courier New")));
        QVERIFY(!sistema.passoFisso(QStringLiteral("Arial")));
        QVERIFY(!FrmStampa::cercaFontPassoFisso(fabbrica->elencoFont()).isEmpty());
    }

    void ilFoglioSuPdf()
    {
        const QString file = cartella.filePath(QStringLiteral("foglio.pdf"));
        fabbrica->impostaFileOutput(file);
        pratica(40);
        env->finestre.carica<FrmStampa>(QStringLiteral("FrmStampa"))->stampa();
        QCOMPARE(messaggi->testi, QStringList());
        QCOMPARE(paginePdf(file), 1);

        // Every place of the sheet, in points from the page's top-left (the printable area starts at the margin).
        auto punti = [](int twips) { return (kMarginePdfTwips + twips) / 20.0; };
        struct Atteso
        {
            int x, y;
            QString testo;
            double punti;
        };
        QList<Atteso> attesi = {{1000, 1000, "SCUOLA ELEMENTARE DI_____________________", 18}};
        const int campioni[] = {1, 10, 11, 20, 21, 30, 31, 40};
        const QPoint posti[] = {{1000, 2000}, {1000, 5600},  {6000, 2000}, {6000, 5600},
                                {1000, 6400}, {1000, 10000}, {6000, 6400}, {6000, 10000}};
        for (int i = 0; i < 8; ++i)
            attesi.append({posti[i].x(), posti[i].y(), rigaDiProva(campioni[i]), 12});
        attesi.append({1000, 11000, "Eser. n.1: Tempo tot.  57 secondi", 12});
        attesi.append({6000, 11000, "Eser. n.2: Tempo tot.  102 secondi", 12});
        attesi.append({1000, 12000, "Eser. n.3: Tempo tot.  8 secondi", 12});
        attesi.append({6000, 12000, "Eser. n.4: Tempo tot.  secondi", 12});

        const QList<RigaPdf> righe = righePdf(file, {punti(6000) - 1});
        QCOMPARE(righe.size(), 1 + 40 + 4);
        for (const Atteso& a : attesi) {
            const RigaPdf* trovata = nullptr;
            for (const RigaPdf& r : righe)
                if (std::abs(r.inizio.y() - punti(a.y)) < 2.0 && std::abs(r.sinistraParola - punti(a.x)) < 40)
                    trovata = &r;
            QVERIFY2(trovata, qPrintable(QStringLiteral("no line at %1, %2").arg(a.x).arg(a.y)));
            QCOMPARE(testoDa(*trovata, punti(a.x)), a.testo);
            // A fixed-pitch character is 0.6 of the size: the size in points.
            QVERIFY2(std::abs(trovata->carattere - 0.6 * a.punti) < 0.1, qPrintable(a.testo));
        }
        // The font found, bold for the lines and regular for the heading.
        const QString famiglia = QFontInfo(QFont(FrmStampa::cercaFontPassoFisso(fabbrica->elencoFont())))
                                     .family()
                                     .section(QLatin1Char('['), 0, 0) // "Nimbus Mono PS [urw]": without the foundry
                                     .remove(QLatin1Char(' '));
        const QStringList fonts = fontPdf(file);
        QCOMPARE(fonts.size(), 2);
        for (const QString& f : fonts)
            QVERIFY2(f.contains(famiglia), qPrintable(f + " / " + famiglia));
        QVERIFY(fonts.filter("Bold").size() == 1);
    }

    void lAttestatoSuPdf()
    {
        const QString file = cartella.filePath(QStringLiteral("attestato.pdf"));
        fabbrica->impostaFileOutput(file);
        env->registro.NomeAlunno = "giulia";
        env->registro.TotaleEsatte = 36;
        env->registro.NumeroOperazione = 40;
        auto* w = env->finestre.carica<FrmAttestato>(QStringLiteral("FrmAttestato"));
        w->Form_Activate();
        w->show();
        w->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QCOMPARE(messaggi->testi, QStringList());
        QCOMPARE(paginePdf(file), 1);
        QCOMPARE(immaginiPdf(file), 1);
        QVERIFY(w->findChild<QPushButton*>(QStringLiteral("CmdFine"))->isVisible());
    }

    void senzaStampanteUnPdfNeiDocumenti()
    {
        const QString documenti = cartella.filePath(QStringLiteral("Documenti/nuova"));
        fabbrica->impostaCartellaDocumenti(documenti);
        pratica(10);
        env->finestre.carica<FrmStampa>(QStringLiteral("FrmStampa"))->stampa();
        const QStringList pdf = QDir(documenti).entryList({QStringLiteral("Operazioni *.pdf")});
        QCOMPARE(pdf.size(), 1);
        const QString file = QDir(documenti).filePath(pdf[0]);
        QCOMPARE(paginePdf(file), 1);
        QCOMPARE(messaggi->testi.size(), 1);
        QCOMPARE(messaggi->testi[0],
                 QStringLiteral("Non c'è una stampante predefinita: il documento è stato salvato nel file") +
                     QChar(13) + QDir::toNativeSeparators(file));
        // A second sheet in the same second gets a file of its own.
        env->finestre.caricata<FrmStampa>(QStringLiteral("FrmStampa"))->stampa();
        QCOMPARE(QDir(documenti).entryList({QStringLiteral("Operazioni *.pdf")}).size(), 2);
    }

    void guastiDetti_data()
    {
        QTest::addColumn<bool>("cartellaImpossibile");
        QTest::addRow("la stampante non parte") << false;
        QTest::addRow("cartella impossibile") << true;
    }
    void guastiDetti()
    {
        QFETCH(bool, cartellaImpossibile);
        QFile ostacolo(cartella.filePath(QStringLiteral("un-file")));
        QVERIFY(ostacolo.open(QIODevice::WriteOnly));
        ostacolo.close();
        if (cartellaImpossibile)
            fabbrica->impostaCartellaDocumenti(ostacolo.fileName() + QStringLiteral("/sotto"));
        else
            fabbrica->impostaFileOutput(ostacolo.fileName() + QStringLiteral("/sotto/foglio.pdf"));
        pratica(10);
        auto* w = env->finestre.carica<FrmStampa>(QStringLiteral("FrmStampa"));
        w->stampa();
        QCOMPARE(messaggi->testi.size(), 1);
        if (!cartellaImpossibile)
            QCOMPARE(messaggi->testi[0], kGuasto);
        else
            QVERIFY(messaggi->testi[0].contains(QStringLiteral("non è stato possibile creare la cartella")));
        // The program goes on: the window and the practice are still there.
        QVERIFY(env->finestre.caricata(QStringLiteral("FrmStampa")));
        QCOMPARE(env->registro.ElencoOperazioni(10), rigaDiProva(10).toStdString());
        auto stampante = fabbrica->crea(QStringLiteral("Attestato"));
        stampante->stampaRiga(QStringLiteral("x"));
        QVERIFY(!stampante->fineDocumento());
    }
};

QTEST_MAIN(TestStampantePdf)
#include "TestStampantePdf.moc"
