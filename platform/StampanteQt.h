#pragma once
// The default printer on Qt. One device unit is one twip (the printer's resolution is set to 1440),
// and positions count from the top-left of the printable area. The QPrinter is created at the first
// thing printed. Without a default printer the document is saved as a PDF file in the user's documents
// folder and a message says where. A printer fault is told to the pupil and never ends the program.
#include "platform/Interfacce.h"
#include "platform/OrigineFont.h"
#include "platform/Stampante.h"

#include <QFont>
#include <QPainter>
#include <memory>

class QPrinter;

namespace numerella {

// Where a document goes.
struct Destinazione
{
    QString fileOutput;  // a PDF file; empty means the default printer
    bool avvisa = false; // tell the pupil where the file was saved
    bool scarta = false; // nowhere to go (the pupil has been told): nothing is printed
};

class StampanteQt : public Stampante
{
public:
    StampanteQt(Messaggi& messaggi, QStringList fonts, Destinazione destinazione);
    ~StampanteQt() override;

    QStringList fonts() override { return m_fonts; }
    void impostaFont(const QString& nome) override;
    void impostaDimensione(double punti) override;
    void impostaGrassetto(bool grassetto) override;
    void impostaX(int twips) override { m_x = twips; }
    void impostaY(int twips) override { m_y = twips; }
    void stampaRiga(const QString& testo) override;
    void stampaImmagine(QWidget* finestra) override;
    bool fineDocumento() override;

private:
    // Starts the document on the first thing printed; false (after telling the pupil once) when the
    // printer cannot start it.
    bool pronta();

    Messaggi& m_messaggi;
    QStringList m_fonts;
    Destinazione m_destinazione;
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_pittore;
    QFont m_font;
    int m_x = 0, m_y = 0;
    bool m_guasta = false;
    bool m_finita = false;
};

class FabbricaStampanteQt : public FabbricaStampante
{
public:
    explicit FabbricaStampanteQt(Messaggi& messaggi, std::unique_ptr<OrigineFont> origine = {});
    ~FabbricaStampanteQt() override;

    QStringList elencoFont() override;
    std::unique_ptr<Stampante> crea(const QString& cosa) override;

    // Every document goes to this PDF file, without a message (for sample print-outs and tests).
    void impostaFileOutput(const QString& percorso) { m_fileOutput = percorso; }
    // The folder of the PDF files made without a printer; the user's documents folder by default.
    void impostaCartellaDocumenti(const QString& cartella) { m_cartella = cartella; }
    // The file that a document called `cosa` gets without a printer: the name and the date and time.
    QString fileSenzaStampante(const QString& cosa) const;

private:
    Messaggi& m_messaggi;
    std::unique_ptr<OrigineFont> m_origine;
    QString m_fileOutput;
    QString m_cartella;
};

// Margin of the printable area of the PDF files, in twips (a laser printer's usual quarter inch).
inline constexpr int kMarginePdfTwips = 360;

} // namespace numerella
