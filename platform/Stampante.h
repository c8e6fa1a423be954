#pragma once
// The default printer as a drawing surface in twips from the top-left of the printable area.
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace numerella {

class Stampante
{
public:
    virtual ~Stampante() = default;
    // The printer's font list (on Linux: the installed families, with "Courier" and "Courier New"
    // counted when fontconfig resolves them to a fixed-pitch family).
    virtual QStringList fonts() = 0;
    virtual void impostaFont(const QString& nome) = 0;
    virtual void impostaDimensione(double punti) = 0;
    virtual void impostaGrassetto(bool grassetto) = 0;
    virtual void impostaX(int twips) = 0;
    virtual void impostaY(int twips) = 0;
    // Prints a text at the current position and moves to the start of the next line.
    virtual void stampaRiga(const QString& testo) = 0;
    // Prints the image of a window as it looks on the screen.
    virtual void stampaImmagine(QWidget* finestra) = 0;
    // Ends the document: the page goes to the printer. False (after telling the pupil) when it failed.
    virtual bool fineDocumento() = 0;
};

class FabbricaStampante
{
public:
    virtual ~FabbricaStampante() = default;
    // The default printer's font list, read without starting a document.
    virtual QStringList elencoFont() = 0;
    // A new document on the default printer; what it is names the PDF file when no printer exists.
    virtual std::unique_ptr<Stampante> crea(const QString& cosa) = 0;
};

} // namespace numerella
