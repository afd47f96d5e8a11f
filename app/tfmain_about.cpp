#include "tfabout.h"
#include "tfmain.h"

#include "modal.h"

#include <memory>

void TfMain::mmAboutClick() {
    // Created afresh for each showing and destroyed right after, also when showing fails.
    std::unique_ptr<TfAbout> dialog(new TfAbout(this));
    fAbout = dialog.get();
    struct Forget {
        ~Forget() { fAbout = nullptr; }
    } forget;
    vesk::ExecModal(dialog.get());
}
