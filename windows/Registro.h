#pragma once
#include "platform/GestoreFinestre.h"

namespace numerella {
// Makes every window of the program known to the window manager by its name.
void registraFinestre(GestoreFinestre& finestre);
} // namespace numerella
