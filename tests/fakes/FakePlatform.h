#pragma once
// Scripted fakes of the platform seams. The message-box fake holds a queue of expected boxes and
// records an error for any box it was not told to expect.
#include "platform/Interfacce.h"
#include "platform/Stampante.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace numerella::prova {

class MessaggiFinti : public Messaggi
{
public:
    struct Atteso
    {
        QString testo;
        int stile;
        QString titolo;
        int risposta;
        std::function<void()> durante; // runs while the box would be open (optional)
    };
    QList<Atteso> attesi;
    QStringList errori;
    QStringList mostrati;

    void aspetta(const QString& testo, int stile, const QString& titolo, int risposta,
                 std::function<void()> durante = {})
    {
        attesi.append({testo, stile, titolo, risposta, std::move(durante)});
    }
    int mostra(const QString& testo, int stile, const QString& titolo) override;
    // Empty when every expected box came and no other did.
    QString problemi() const;
};

class CicalinoFinto : public Cicalino
{
public:
    int beep_ = 0;
    void beep() override { ++beep_; }
};

class AvviatoreFinto : public Avviatore
{
public:
    bool riesce = true;
    QStringList avviati;
    bool avvia(const QString& programma) override
    {
        avviati.append(programma);
        return riesce;
    }
};

class TerminazioneFinta : public Terminazione
{
public:
    int subito = 0;
    int senzaFinestre = 0;
    void terminaSubito() override { ++subito; }
    void nessunaFinestra() override { ++senzaFinestre; }
};

} // namespace numerella::prova
