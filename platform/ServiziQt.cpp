#include "platform/ServiziQt.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSoundEffect>
#include <QStyleFactory>
#include <QTime>
#include <QUrl>

namespace numerella {

int MessaggiQt::mostra(const QString& testo, int stile, const QString& titolo)
{
    QString righe = testo;
    righe.replace(QChar(13), QChar(10));
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(titolo.isEmpty() ? QStringLiteral("NUMERELLA.1") : titolo);
    box.setText(righe);
    if (stile == SiNoInformazione) {
        box.setIcon(QMessageBox::Information);
        QPushButton* si = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        box.setDefaultButton(si);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == si ? Si : No;
    }
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Ok;
}

void CicalinoQt::beep()
{
    QApplication::beep();
}

bool AvviatoreQt::avvia(const QString& programma)
{
    return QProcess::startDetached(programma, {});
}

void TerminazioneQt::terminaSubito()
{
    QCoreApplication::exit(0);
}

void TerminazioneQt::nessunaFinestra()
{
    QCoreApplication::quit();
}

float OrologioQt::secondi()
{
    return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

std::string OrologioQt::data()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

SuonoQt::SuonoQt() = default;
SuonoQt::~SuonoQt() = default;

void SuonoQt::riproduci(const std::string& file)
{
    const QString percorso = QString::fromStdString(file);
    if (!QFileInfo::exists(percorso))
        return;
    if (!m_effetto)
        m_effetto = std::make_unique<QSoundEffect>();
    const QUrl indirizzo = QUrl::fromLocalFile(percorso);
    if (m_effetto->source() != indirizzo)
        m_effetto->setSource(indirizzo);
    m_effetto->play();
}

void preparaApplicazione()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("numerella"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icona.svg")));
}

} // namespace numerella
