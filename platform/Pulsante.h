#pragma once
// A button that paints its own background colour and is pressed by Enter while it has the focus.
#include <QPushButton>

namespace numerella {

class Pulsante : public QPushButton
{
    Q_OBJECT
public:
    Pulsante(const QString& nome, const QString& testo, QWidget* genitore);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// A button with its font and background colour, showing the pointing hand while the mouse is over it
// unless mano is false.
Pulsante* nuovoPulsante(QWidget* genitore, const QString& nome, const QString& testo, const QFont& font,
                        const QColor& sfondo, bool mano = true);

} // namespace numerella
