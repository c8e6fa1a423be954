#pragma once
// The answer box. Every character that would reach it, typed, pasted or composed, is first handed to
// the key handler as a character code (Enter 13, Backspace 8, text keys their code); the handler may
// refuse it by setting the code to 0. Keys that give no character, such as the arrows, go to the box.
#include <QLineEdit>
#include <functional>

namespace numerella {

class TxtRisultato : public QLineEdit
{
    Q_OBJECT
public:
    using GestoreTasto = std::function<void(int& KeyAscii)>;

    explicit TxtRisultato(QWidget* genitore);
    void impostaGestoreTasto(GestoreTasto gestore) { m_gestoreTasto = std::move(gestore); }

signals:
    // A click of the left button inside the box.
    void cliccato();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    // Runs the key handler for one character code; true when the box may take the (possibly replaced) code.
    bool filtra(int& KeyAscii);
    // Text from the clipboard or an input method, one character at a time through the key handler.
    void inserisciFiltrato(const QString& testo);

    GestoreTasto m_gestoreTasto;
};

} // namespace numerella
