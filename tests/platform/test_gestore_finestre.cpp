// The window rules of the window manager, checked with small windows that note what their handlers do.
#include "Ambiente.h"
#include "platform/ServiziQt.h"

#include <QPointer>
#include <QTest>
#include <functional>
#include <map>

using namespace numerella;
using namespace numerella::prova;

namespace {

// What the test windows did, in order, and what they must do inside their handlers.
struct Diario
{
    QStringList voci;
    std::map<QString, std::function<void()>> alCaricamento, allaRichiesta, alloScaricamento;
    int create = 0;
};

class FinestraProva : public Finestra
{
public:
    FinestraProva(Servizi& s, const QString& nome, Diario& diario) : Finestra(s, nome), m_diario(diario)
    {
        ++m_diario.create;
    }
    int variabile = 0; // a window variable: a new window object starts again from 0

    void Form_Load() override { esegui("load", m_diario.alCaricamento); }
    void Form_QueryUnload() override { esegui("queryunload", m_diario.allaRichiesta); }
    void Form_Unload() override { esegui("unload", m_diario.alloScaricamento); }

private:
    void esegui(const QString& evento, std::map<QString, std::function<void()>>& azioni)
    {
        m_diario.voci << objectName() + QLatin1Char(' ') + evento;
        const auto azione = azioni.find(objectName());
        if (azione != azioni.end() && azione->second)
            azione->second();
        m_diario.voci << objectName() + QLatin1Char(' ') + evento + QStringLiteral(" end");
    }
    Diario& m_diario;
};

struct Banco
{
    Diario diario;
    Ambiente env;
    Banco()
    {
        for (const char* nome : {"FrmA", "FrmB"}) {
            const QString n = QString::fromLatin1(nome);
            env.finestre.registra(n, [this, n](Servizi& s) -> Finestra* { return new FinestraProva(s, n, diario); });
        }
    }
    FinestraProva* carica(const QString& nome) { return static_cast<FinestraProva*>(env.finestre.carica(nome)); }
};

} // namespace

class TestGestoreFinestre : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { preparaApplicazione(); }

    // The load handler runs once and to its end before the reference returns; references made inside
    // it find the window loaded, and a second window loaded from it can refer back to the first.
    void caricamento()
    {
        Banco b;
        Finestra* dentro = nullptr;
        Finestra* ritorno = nullptr;
        b.diario.alCaricamento["FrmA"] = [&] {
            dentro = b.env.finestre.caricata(QStringLiteral("FrmA"));
            b.env.finestre.carica(QStringLiteral("FrmB"));
        };
        b.diario.alCaricamento["FrmB"] = [&] { ritorno = b.env.finestre.carica(QStringLiteral("FrmA")); };

        QVERIFY(!b.env.finestre.caricata(QStringLiteral("FrmA")));
        FinestraProva* a = b.carica(QStringLiteral("FrmA"));
        QVERIFY(a);
        QCOMPARE(dentro, a);
        QCOMPARE(ritorno, a);
        QCOMPARE(b.diario.voci, QStringList({"FrmA load", "FrmB load", "FrmB load end", "FrmA load end"}));
        QCOMPARE(b.diario.create, 2);
        QVERIFY(!a->isVisible());

        // Loading a loaded window does nothing.
        QCOMPARE(b.carica(QStringLiteral("FrmA")), a);
        QCOMPARE(b.diario.voci.size(), 4);
        QCOMPARE(b.diario.create, 2);
        QCOMPARE(b.env.messaggi.problemi(), QString());
    }

    void mostraCaricaEMostra()
    {
        Banco b;
        Finestra* a = b.env.finestre.mostra(QStringLiteral("FrmA"));
        QVERIFY(a);
        QVERIFY(a->isVisible());
        QCOMPARE(b.diario.voci, QStringList({"FrmA load", "FrmA load end"}));
        QCOMPARE(b.env.finestre.mostra(QStringLiteral("FrmA")), a);
        QCOMPARE(b.diario.create, 1);
    }

    // Unloading runs each unload handler once, even when a handler unloads the same window again,
    // discards the object, and a later reference loads a fresh one.
    void scaricamento()
    {
        Banco b;
        b.env.finestre.carica(QStringLiteral("FrmB")); // keeps the program alive
        QPointer<FinestraProva> a = b.carica(QStringLiteral("FrmA"));
        a->variabile = 5;
        b.env.finestre.mostra(QStringLiteral("FrmA"));
        Finestra* vistaDentro = a;
        b.diario.allaRichiesta["FrmA"] = [&] { b.env.finestre.scarica(QStringLiteral("FrmA")); };
        b.diario.alloScaricamento["FrmA"] = [&] {
            vistaDentro = b.env.finestre.caricata(QStringLiteral("FrmA"));
            b.env.finestre.scarica(QStringLiteral("FrmA"));
        };
        b.diario.voci.clear();

        b.env.finestre.scarica(QStringLiteral("FrmA"));
        QCOMPARE(b.diario.voci,
                 QStringList({"FrmA queryunload", "FrmA queryunload end", "FrmA unload", "FrmA unload end"}));
        QCOMPARE(vistaDentro, nullptr);
        QVERIFY(!b.env.finestre.caricata(QStringLiteral("FrmA")));
        QVERIFY(!b.env.finestre.caricate().contains(QStringLiteral("FrmA")));
        QVERIFY(!a.isNull() && !a->isVisible());
        Ambiente::eliminaScaricate();
        QVERIFY(a.isNull());
        QCOMPARE(b.env.terminazione.senzaFinestre, 0);

        b.diario.allaRichiesta.clear();
        b.diario.alloScaricamento.clear();
        FinestraProva* nuova = b.carica(QStringLiteral("FrmA"));
        QVERIFY(nuova);
        QCOMPARE(nuova->variabile, 0);
        QCOMPARE(b.diario.create, 3);
        QCOMPARE(b.diario.voci.last(), QStringLiteral("FrmA load end"));
    }

    void scaricareUnaFinestraNonCaricata()
    {
        Banco b;
        b.env.finestre.scarica(QStringLiteral("FrmA"));
        QVERIFY(b.diario.voci.isEmpty());
        QCOMPARE(b.diario.create, 0);
        QCOMPARE(b.env.terminazione.senzaFinestre, 0);
        QVERIFY(b.env.finestre.caricate().isEmpty());
    }

    void ultimaFinestraTerminaIlProgramma()
    {
        Banco b;
        b.env.finestre.mostra(QStringLiteral("FrmA"));
        b.env.finestre.mostra(QStringLiteral("FrmB"));
        b.env.finestre.scarica(QStringLiteral("FrmA"));
        QCOMPARE(b.env.terminazione.senzaFinestre, 0);
        b.env.finestre.scarica(QStringLiteral("FrmB"));
        QCOMPARE(b.env.terminazione.senzaFinestre, 1);
        b.env.finestre.scarica(QStringLiteral("FrmB"));
        QCOMPARE(b.env.terminazione.senzaFinestre, 1);
        QCOMPARE(b.env.terminazione.subito, 0);
    }

    // A window loaded from another's unload handler keeps the program alive.
    void finestraCaricataMentreSiScarica()
    {
        Banco b;
        b.env.finestre.carica(QStringLiteral("FrmA"));
        b.diario.alloScaricamento["FrmA"] = [&] { b.env.finestre.mostra(QStringLiteral("FrmB")); };
        b.env.finestre.scarica(QStringLiteral("FrmA"));
        QCOMPARE(b.env.terminazione.senzaFinestre, 0);
        QVERIFY(b.env.finestre.caricata(QStringLiteral("FrmB")));
    }

    void terminaSubitoNonEsegueGestori()
    {
        QStringList voci;
        {
            Banco b;
            b.env.finestre.mostra(QStringLiteral("FrmA"));
            Finestra* bb = b.env.finestre.mostra(QStringLiteral("FrmB"));
            b.diario.voci.clear();
            b.env.finestre.terminaSubito();
            QCOMPARE(b.env.terminazione.subito, 1);
            QCOMPARE(b.env.terminazione.senzaFinestre, 0);
            QVERIFY(!bb->isVisible());
            b.env.finestre.scarica(QStringLiteral("FrmA"));
            bb->close();
            QVERIFY(b.diario.voci.isEmpty());
            b.env.finestre.terminaSubito();
            QCOMPARE(b.env.terminazione.subito, 1);
            // Once the program is ending nothing is loaded any more.
            QCOMPARE(b.env.finestre.carica(QStringLiteral("FrmA")), nullptr);
            QCOMPARE(b.diario.create, 2);
            voci = b.diario.voci;
        }
        QVERIFY(voci.isEmpty());
    }

    void chiusuraDallaCasellaScaricaLaFinestra()
    {
        Banco b;
        QPointer<Finestra> a = b.env.finestre.mostra(QStringLiteral("FrmA"));
        b.diario.voci.clear();
        a->close();
        QCOMPARE(b.diario.voci,
                 QStringList({"FrmA queryunload", "FrmA queryunload end", "FrmA unload", "FrmA unload end"}));
        QVERIFY(!a->isVisible());
        QVERIFY(!b.env.finestre.caricata(QStringLiteral("FrmA")));
        QCOMPARE(b.env.terminazione.senzaFinestre, 1);
        Ambiente::eliminaScaricate();
        QVERIFY(a.isNull());
    }
};

QTEST_MAIN(TestGestoreFinestre)
#include "test_gestore_finestre.moc"
