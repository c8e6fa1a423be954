#include "windows/Registro.h"

#include "windows/exercise/FrmOperativoMeno.h"
#include "windows/reports/FrmAttestato.h"
#include "windows/reports/FrmStampa.h"
#include "windows/start/FrmInizio.h"
#include "windows/start/FrmValutazione.h"
#include "windows/start/frmSfondo.h"

namespace numerella {

namespace {
template <class W> void registra(GestoreFinestre& finestre, const QString& nome)
{
    finestre.registra(nome, [](Servizi& s) -> Finestra* { return new W(s); });
}
} // namespace

void registraFinestre(GestoreFinestre& finestre)
{
    registra<frmSfondo>(finestre, QStringLiteral("frmSfondo"));
    registra<FrmInizio>(finestre, QStringLiteral("FrmInizio"));
    registra<FrmValutazione>(finestre, QStringLiteral("FrmValutazione"));
    registra<FrmOperativoMeno>(finestre, QStringLiteral("FrmOperativoMeno"));
    registra<FrmStampa>(finestre, QStringLiteral("FrmStampa"));
    registra<FrmAttestato>(finestre, QStringLiteral("FrmAttestato"));
}

} // namespace numerella
