#include "FakePrinter.h"

#include <QAbstractButton>
#include <QWidget>

namespace numerella::prova {

void StampanteFinta::stampaImmagine(QWidget* finestra)
{
    ++m_doc->immagini;
    QStringList visibili;
    for (QAbstractButton* b : finestra->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(finestra))
            visibili.append(b->objectName());
    m_doc->controlliVisibili.append(visibili);
}

} // namespace numerella::prova
