#include "app/entry.h"

#include "about/about_window.h"
#include "app/main_loop.h"
#include "app/saver_app.h"
#include "platform/display_loss.h"
#include "platform/stop_signal.h"

namespace ondalith {

SaverApp* saverApp = nullptr;

int runSaverProcess(LaunchOptions* options, bool singleInstanceRule, void* instance, int showCommand) {
    platform::endProcessWhenDisplayGoes();
    // As early as the mode is known: a stop request from here on ends the saver or the
    // About window through its loop, with exit code 0, even during start-up.
    platform::installStopHandlers();
    const bool marked = options->mode == Preview || options->mode == None;
    if (singleInstanceRule && marked && !isFirstInstance()) return 0;

    if (options->mode == Configure) {
        new AboutWindow(instance, showCommand);
        return 0;
    }
    saverApp = new SaverApp(options);
    runMainLoop();
    return 0;
}

}  // namespace ondalith
