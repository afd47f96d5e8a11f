// Temporary until the statistics dialog lands.
#include "tfmain.h"

void TfMain::mmStatisticClick() {}
