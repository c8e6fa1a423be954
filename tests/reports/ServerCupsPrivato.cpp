#include "ServerCupsPrivato.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <unistd.h>

namespace numerella::prova {

namespace {

const QString kBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString kPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString kConfigurazioniCupsPdf = QStringLiteral("/etc/cups");

} // namespace

ServerCupsPrivato::ServerCupsPrivato()
    : m_coda(QStringLiteral("numerella-prova-%1").arg(QCoreApplication::applicationPid()))
{}

ServerCupsPrivato::~ServerCupsPrivato()
{
    ferma();
}

QString ServerCupsPrivato::scrivi(const QString& nome, const QString& testo) const
{
    const QString percorso = QDir(m_cartella.path()).filePath(nome);
    QFile f(percorso);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(testo.toUtf8());
    return percorso;
}

QString ServerCupsPrivato::esegui(const QString& programma, const QStringList& argomenti) const
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programma, argomenti);
    if (!p.waitForFinished(30000))
        return programma + QStringLiteral(" did not finish");
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return programma + QStringLiteral(" failed: ") + QString::fromLocal8Bit(p.readAll());
    return {};
}

QString ServerCupsPrivato::cartellaUscita() const
{
    return QDir(m_cartella.path()).filePath(QStringLiteral("uscita"));
}

QString ServerCupsPrivato::avvia()
{
    // cups-pdf runs only as root (its backend is mode 0700) and reads its configuration from /etc/cups.
    if (geteuid() != 0)
        return QStringLiteral("a cupsd with the cups-pdf backend needs root");
    const QString cupsd =
        QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    const QString lpadmin = QStandardPaths::findExecutable(QStringLiteral("lpadmin"),
                                                           {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    if (cupsd.isEmpty() || lpadmin.isEmpty())
        return QStringLiteral("cupsd or lpadmin is not installed (packages cups, cups-client)");
    if (!QFileInfo::exists(kBackend) || !QFileInfo::exists(kPpd) || !QFileInfo(kConfigurazioniCupsPdf).isDir())
        return QStringLiteral("the cups-pdf queue is not installed (package printer-driver-cups-pdf)");
    if (!m_cartella.isValid())
        return QStringLiteral("no temporary folder");

    // The filters run as the lp user: they must be able to walk into the folder.
    QDir radice(m_cartella.path());
    QFile::setPermissions(radice.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                             QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther);
    for (const char* sotto : {"spool/tmp", "cache", "state", "log", "uscita", "spool-cups-pdf"})
        radice.mkpath(QString::fromLatin1(sotto));
    const auto tutti = QFileDevice::Permissions(0x7777);
    QFile::setPermissions(radice.filePath(QStringLiteral("spool/tmp")), tutti);
    QFile::setPermissions(cartellaUscita(), tutti);

    const QString r = radice.path();
    const QString socket = radice.filePath(QStringLiteral("cups.sock"));
    const QString confCupsd =
        scrivi(QStringLiteral("cupsd.conf"),
               QStringLiteral("Listen %1\n"
                              "Browsing No\n"
                              "WebInterface No\n"
                              "DefaultAuthType None\n"
                              "LogLevel warn\n"
                              "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                              "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n")
                   .arg(socket));
    const QString confFile =
        scrivi(QStringLiteral("cups-files.conf"),
               QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                              "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                              "PageLog %1/log/page_log\nPrintcap %1/printcap\nSystemGroup root\n"
                              "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n")
                   .arg(r));
    // cups-pdf takes the configuration named after the instance in the device URI (cups-pdf:/<coda>),
    // so this queue writes into the temporary folder and never into a home folder.
    m_confCupsPdf = QDir(kConfigurazioniCupsPdf).filePath(QStringLiteral("cups-pdf-%1.conf").arg(m_coda));
    QFile conf(m_confCupsPdf);
    if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QStringLiteral("cannot write ") + m_confCupsPdf;
    conf.write(QStringLiteral("Out %1\nAnonDirName %1\nSpool %2/spool-cups-pdf\nGrp root\n")
                   .arg(cartellaUscita(), r)
                   .toUtf8());
    conf.close();

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), confCupsd, QStringLiteral("-s"), confFile});
    if (!m_cupsd.waitForStarted(10000))
        return QStringLiteral("cupsd could not start: ") + m_cupsd.errorString();
    if (!QTest::qWaitFor([&] { return QFileInfo::exists(socket) || m_cupsd.state() != QProcess::Running; }, 15000) ||
        m_cupsd.state() != QProcess::Running)
        return QStringLiteral("cupsd could not start: ") + QString::fromLocal8Bit(m_cupsd.readAll());
    qputenv("CUPS_SERVER", QFile::encodeName(socket));
    return {};
}

QString ServerCupsPrivato::preparaCoda()
{
    const QString lpadmin = QStandardPaths::findExecutable(QStringLiteral("lpadmin"),
                                                           {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    const QString uri = QStringLiteral("cups-pdf:/") + m_coda;
    QString errore = esegui(lpadmin, {QStringLiteral("-p"), m_coda, QStringLiteral("-E"), QStringLiteral("-v"), uri,
                                      QStringLiteral("-P"), kPpd});
    if (errore.isEmpty())
        errore = esegui(lpadmin, {QStringLiteral("-d"), m_coda});
    return errore;
}

QString ServerCupsPrivato::registroErrori() const
{
    QFile registro(QDir(m_cartella.path()).filePath(QStringLiteral("log/error_log")));
    return registro.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(registro.readAll()) : QString();
}

void ServerCupsPrivato::ferma()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(5000);
        }
    }
    if (!m_confCupsPdf.isEmpty()) {
        QFile::remove(m_confCupsPdf);
        m_confCupsPdf.clear();
    }
}

QStringList ServerCupsPrivato::pdf() const
{
    return QDir(cartellaUscita()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

QString ServerCupsPrivato::aspettaPdf(const QStringList& giaVisti, int secondi) const
{
    QString trovato;
    (void)QTest::qWaitFor(
        [&] {
            for (const QString& nome : pdf()) {
                const QFileInfo f(QDir(cartellaUscita()).filePath(nome));
                // cups-pdf keeps a file unreadable until it is complete.
                if (!giaVisti.contains(nome) && f.isReadable() && f.size() > 0 &&
                    (f.permissions() & QFileDevice::ReadOwner)) {
                    trovato = f.filePath();
                    return true;
                }
            }
            return false;
        },
        secondi * 1000);
    return trovato;
}

} // namespace numerella::prova
