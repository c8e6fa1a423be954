#include "windows/Registro.h"

namespace numerella {

void registraFinestre(GestoreFinestre& finestre)
{
    (void)finestre;
}

} // namespace numerella
