#pragma once
// A filled rounded rectangle with an outline, drawn under the controls that lie over it.
#include <QColor>
#include <QWidget>

namespace numerella {

class FormaArrotondata : public QWidget
{
    Q_OBJECT
public:
    FormaArrotondata(const QString& nome, const QColor& riempimento, int spessoreBordo, QWidget* genitore);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor m_riempimento;
    int m_spessoreBordo;
};

} // namespace numerella
