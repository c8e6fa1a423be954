#pragma once
// Layout in twips (15 twips are one logical pixel), colours, fonts, focus and cursors, as the windows
// of the program use them.
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <initializer_list>

class QLabel;
class QWidget;

namespace numerella {

inline constexpr int kTwipsPerPixel = 15;
inline int px(int twips)
{
    return twips / kTwipsPerPixel;
}
inline int twips(int pixel)
{
    return pixel * kTwipsPerPixel;
}
inline QRect rettangoloTwips(int sinistra, int alto, int larghezza, int altezza)
{
    return {px(sinistra), px(alto), px(larghezza), px(altezza)};
}
// A widget's place and size in twips, within its parent.
QRect geometriaTwips(const QWidget* w);

// One row of a layout table: a control's object name, its left and top edges and its size, in twips.
struct Posto
{
    const char* nome;
    int sinistra, alto, larghezza, altezza;
};
// Places the named descendants of contenitore as the table says.
void disponi(QWidget* contenitore, std::initializer_list<Posto> posti);
void disponi(QWidget* w, int sinistra, int alto, int larghezza, int altezza);

inline QColor rgb(int r, int g, int b)
{
    return QColor(r, g, b);
}
// The packed value r + 256 g + 65536 b, and back.
long coloreImpacchettato(const QColor& c);
QColor coloreDaImpacchettato(long valore);

// Background of a window, frame, label, button or text box. Labels and frames become opaque.
void coloraSfondo(QWidget* w, const QColor& c);
// Text colour of a label, button or text box.
void coloraTesto(QWidget* w, const QColor& c);
// A label that paints only its text.
void rendiTrasparente(QWidget* w);

// Arial (Liberation Sans on Linux), MS Sans Serif (same substitute), Courier New (Liberation Mono).
QFont arial(double punti, bool grassetto = false);
QFont sansSerif(double punti, bool grassetto = false);
QFont fontDi(const QString& famiglia, double punti, bool grassetto = false);

// A label with its object name, its caption as plain text, and an accessible name: the description
// when one is given, otherwise the caption.
QLabel* nuovaEtichetta(QWidget* genitore, const QString& nome, const QString& testo, const QString& descrizione = {});

// Gives the focus to a control; a hidden or disabled control cannot take it and the request is ignored.
void daiFuoco(QWidget* w);
// One of the program's SVG pictures drawn on a transparent square of lato pixels (empty if it is missing).
QPixmap immagineSvg(const QString& risorsa, int lato);
// The pointing-hand cursor of the program's own artwork.
void cursoreMano(QWidget* w);

} // namespace numerella
