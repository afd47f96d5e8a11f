// Temporary until the settings store lands: the menu toggles work, nothing is stored.
#include "tfmain.h"

#include <QAction>

void TfMain::ReadWriteSettings(bool) {}

void TfMain::mmHintVisibleClick() {
    mmHintVisible->setChecked(!mmHintVisible->isChecked());
    lMessage->setVisible(mmHintVisible->isChecked());
}

void TfMain::mmSpeedGameClick() { mmSpeedGame->setChecked(!mmSpeedGame->isChecked()); }
