#pragma once
// The grading-scale window: the marks out of ten with their words, and how the certificate is used.
// A click on its bare background closes it.
#include "platform/Finestra.h"

namespace numerella {

class FrmValutazione : public Finestra
{
    Q_OBJECT
public:
    explicit FrmValutazione(Servizi& servizi);

    void Form_Click() override;
};

} // namespace numerella
