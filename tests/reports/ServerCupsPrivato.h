#pragma once
// A private CUPS server for one test program: a cupsd listening only on a socket in a temporary
// folder, with one cups-pdf queue as its default destination. CUPS_SERVER points at it, so the
// machine's own server and printers never take part. Everything it made is removed when it stops.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace numerella::prova {

class ServerCupsPrivato
{
public:
    ServerCupsPrivato();
    ~ServerCupsPrivato();

    // Starts the server. Empty when it runs; otherwise why it cannot.
    QString avvia();
    // Adds the cups-pdf queue and makes it the default destination. Empty, or what went wrong.
    QString preparaCoda();
    // The server's error log, to explain a job that never arrived.
    QString registroErrori() const;
    void ferma();
    // The folder where the queue writes its PDF files.
    QString cartellaUscita() const;
    // Waits for a PDF file that is not in `giaVisti` and can be read; empty after `secondi`.
    QString aspettaPdf(const QStringList& giaVisti, int secondi = 90) const;
    QStringList pdf() const;
    QString coda() const { return m_coda; }

private:
    QString scrivi(const QString& nome, const QString& testo) const;
    QString esegui(const QString& programma, const QStringList& argomenti) const;

    QTemporaryDir m_cartella;
    QProcess m_cupsd;
    QString m_coda;
    QString m_confCupsPdf; // the queue's own cups-pdf configuration (cups-pdf reads it from /etc/cups only)
};

} // namespace numerella::prova
