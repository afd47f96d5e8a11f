#include "tfabout.h"
#include "tfmain.h"

#include "modal.h"

void TfMain::mmAboutClick() {
    vesk::TDialogOnce<TfAbout> dialog(fAbout, new TfAbout(this));
    dialog.Exec();
}
