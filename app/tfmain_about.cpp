// Temporary until the About dialog lands.
#include "tfmain.h"

void TfMain::mmAboutClick() {}
