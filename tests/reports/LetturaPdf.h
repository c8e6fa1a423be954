#pragma once
// Reads back a PDF with poppler's command-line tools: the text lines with their places, the pages,
// the images and the fonts.
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

namespace numerella::prova {

struct RigaPdf
{
    QPointF inizio;        // left and top of the first character, in points from the page's top-left
    double carattere;      // advance of one character, in points (fixed-pitch text)
    QString testo;         // the words with the blanks between them rebuilt from the gaps
    double sinistraParola; // left edge of the first word
};

// The text lines of page 1. A line is split where its words cross the left edge of a column (in points),
// so the columns of a sheet come out as lines of their own.
QList<RigaPdf> righePdf(const QString& file, const QList<double>& colonne = {});
// The rebuilt text of a line that starts at x, measured from `x` (leading blanks included).
QString testoDa(const RigaPdf& riga, double x);
int paginePdf(const QString& file);
int immaginiPdf(const QString& file);
QStringList fontPdf(const QString& file);
// Runs a tool and returns its standard output; empty when it cannot run.
QString esegui(const QString& programma, const QStringList& argomenti);

} // namespace numerella::prova
