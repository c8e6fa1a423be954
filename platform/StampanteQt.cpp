#include "platform/StampanteQt.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>

namespace numerella {

namespace {

const QString kGuasto = QStringLiteral("La stampa non è riuscita: controlla che la stampante sia accesa e pronta.");

// Window images are drawn at this many device pixels per screen pixel, so the text stays sharp on paper.
constexpr int kScalaImmagine = 3;

} // namespace

StampanteQt::StampanteQt(Messaggi& messaggi, QStringList fonts, Destinazione destinazione)
    : m_messaggi(messaggi), m_fonts(std::move(fonts)), m_destinazione(std::move(destinazione))
{
    m_font.setPointSizeF(10);
}

StampanteQt::~StampanteQt()
{
    // A document left unfinished is discarded rather than half printed.
    if (m_pittore.isActive())
        m_pittore.end();
}

void StampanteQt::impostaFont(const QString& nome)
{
    m_font.setFamily(nome);
}
void StampanteQt::impostaDimensione(double punti)
{
    m_font.setPointSizeF(punti);
}
void StampanteQt::impostaGrassetto(bool grassetto)
{
    m_font.setBold(grassetto);
}

bool StampanteQt::pronta()
{
    if (m_pittore.isActive())
        return true;
    if (m_guasta || m_finita)
        return false;
    if (m_destinazione.scarta) {
        m_guasta = true;
        return false;
    }
    if (m_destinazione.fileOutput.isEmpty()) {
        m_printer = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    } else {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_destinazione.fileOutput);
        m_printer->setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                        QMarginsF(kMarginePdfTwips, kMarginePdfTwips, kMarginePdfTwips, kMarginePdfTwips) / 20.0,
                        QPageLayout::Point));
    }
    m_printer->setResolution(1440);
    m_printer->setFullPage(false);
    m_printer->setDocName(QStringLiteral("NUMERELLA.1"));
    if (!m_pittore.begin(m_printer.get())) {
        m_guasta = true;
        m_messaggi.mostra(kGuasto);
        return false;
    }
    return true;
}

void StampanteQt::stampaRiga(const QString& testo)
{
    if (!pronta())
        return;
    m_pittore.setFont(m_font);
    const QFontMetricsF misure(m_font, m_printer.get());
    // The position is the top of the text: the baseline lies one ascent lower.
    m_pittore.drawText(QPointF(m_x, m_y + misure.ascent()), testo);
    m_x = 0;
    m_y += qRound(misure.height());
}

void StampanteQt::stampaImmagine(QWidget* finestra)
{
    if (!finestra || !pronta())
        return;
    QImage immagine(finestra->size() * kScalaImmagine, QImage::Format_RGB32);
    immagine.setDevicePixelRatio(kScalaImmagine);
    immagine.fill(Qt::white);
    finestra->render(&immagine);
    // As large as the printable area allows, keeping the proportions, at the top and centred.
    const QRect area = m_pittore.viewport();
    QSizeF misura = QSizeF(finestra->size()).scaled(QSizeF(area.size()), Qt::KeepAspectRatio);
    const QRectF posto(QPointF((area.width() - misura.width()) / 2.0, 0), misura);
    m_pittore.drawImage(posto, immagine);
}

bool StampanteQt::fineDocumento()
{
    if (m_finita)
        return !m_guasta;
    // A document with nothing printed on it still gives its page.
    if (!pronta()) {
        m_finita = true;
        return false;
    }
    m_finita = true;
    const bool chiuso = m_pittore.end();
    bool riuscita = chiuso && m_printer->printerState() != QPrinter::Error;
    if (riuscita && !m_destinazione.fileOutput.isEmpty())
        riuscita = QFileInfo(m_destinazione.fileOutput).size() > 0;
    if (!riuscita) {
        m_guasta = true;
        m_messaggi.mostra(kGuasto);
        return false;
    }
    if (m_destinazione.avvisa)
        m_messaggi.mostra(QStringLiteral("Non c'è una stampante predefinita: il documento è stato salvato nel file") +
                          QChar(13) + QDir::toNativeSeparators(m_destinazione.fileOutput));
    return true;
}

FabbricaStampanteQt::FabbricaStampanteQt(Messaggi& messaggi, std::unique_ptr<OrigineFont> origine)
    : m_messaggi(messaggi), m_origine(origine ? std::move(origine) : std::make_unique<OrigineFontSistema>())
{}

FabbricaStampanteQt::~FabbricaStampanteQt() = default;

QStringList FabbricaStampanteQt::elencoFont()
{
    return fontDellaStampante(*m_origine);
}

QString FabbricaStampanteQt::fileSenzaStampante(const QString& cosa) const
{
    const QString cartella =
        m_cartella.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : m_cartella;
    const QString base =
        cosa + QLatin1Char(' ') + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    QString percorso = QDir(cartella).filePath(base + QStringLiteral(".pdf"));
    // Two documents in the same second never overwrite each other.
    for (int n = 2; QFileInfo::exists(percorso); ++n)
        percorso = QDir(cartella).filePath(base + QStringLiteral(" (%1).pdf").arg(n));
    return percorso;
}

std::unique_ptr<Stampante> FabbricaStampanteQt::crea(const QString& cosa)
{
    Destinazione destinazione;
    if (!m_fileOutput.isEmpty()) {
        destinazione.fileOutput = m_fileOutput;
    } else if (QPrinterInfo::defaultPrinter().isNull()) {
        destinazione.fileOutput = fileSenzaStampante(cosa);
        destinazione.avvisa = true;
        const QString cartella = QFileInfo(destinazione.fileOutput).absolutePath();
        if (!QDir().mkpath(cartella)) {
            m_messaggi.mostra(QStringLiteral("Non c'è una stampante predefinita e non è stato possibile creare "
                                             "la cartella") +
                              QChar(13) + QDir::toNativeSeparators(cartella));
            // The document still runs, on a printer that prints nothing and says nothing more.
            destinazione.scarta = true;
        }
    }
    return std::make_unique<StampanteQt>(m_messaggi, elencoFont(), destinazione);
}

} // namespace numerella
