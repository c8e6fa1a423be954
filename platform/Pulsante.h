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

} // namespace numerella
