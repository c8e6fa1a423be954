#pragma once
// The background window the program starts with: a light-green surface over the whole screen, without
// border or title, that opens the start window and brings it back to the front when clicked.
#include "platform/Finestra.h"

namespace numerella {

class frmSfondo : public Finestra
{
    Q_OBJECT
public:
    explicit frmSfondo(Servizi& servizi);

    void Form_Load() override;
    void Form_Click() override;
    void Form_DblClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

} // namespace numerella
