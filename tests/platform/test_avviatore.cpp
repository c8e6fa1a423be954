// Starting another program by bare file name: a real executable found on PATH starts without being
// waited for; a name that nothing on PATH answers to is reported as a failure.
#include "platform/ServiziQt.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace numerella;

class TestAvviatore : public QObject
{
    Q_OBJECT
    QByteArray m_pathOriginale;

private slots:
    void initTestCase() { m_pathOriginale = qgetenv("PATH"); }
    void cleanup() { qputenv("PATH", m_pathOriginale); }

    void avviaDaPath()
    {
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        const QString programma = cartella.filePath(QStringLiteral("www.exe"));
        const QString segno = cartella.filePath(QStringLiteral("avviato"));
        QFile script(programma);
        QVERIFY(script.open(QIODevice::WriteOnly));
        // The program proves it ran by leaving a file beside itself.
        script.write("#!/bin/sh\n: > \"$(dirname \"$0\")/avviato\"\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("PATH", cartella.path().toLocal8Bit() + ':' + m_pathOriginale);

        AvviatoreQt avviatore;
        QVERIFY(avviatore.avvia(QStringLiteral("www.exe")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(segno), 10000);
    }

    void programmaMancante()
    {
        QTemporaryDir vuota;
        qputenv("PATH", vuota.path().toLocal8Bit());
        AvviatoreQt avviatore;
        QVERIFY(!avviatore.avvia(QStringLiteral("www.exe")));
    }
};

QTEST_GUILESS_MAIN(TestAvviatore)
#include "test_avviatore.moc"
