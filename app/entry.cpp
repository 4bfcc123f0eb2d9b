#include "app/entry.h"

#include "about/about_window.h"
#include "app/main_loop.h"
#include "app/saver_app.h"
#include "platform/stop_signal.h"

namespace ondalith {

SaverApp* saverApp = nullptr;

int runSaverProcess(LaunchOptions* options, bool singleInstanceRule, void* instance, int showCommand) {
    launchOptions = options;
    const bool marked = options->mode == Preview || options->mode == None;
    if (singleInstanceRule && marked && !isFirstInstance()) return 0;

    if (options->mode == Configure) {
        new AboutWindow(instance, showCommand);
        return 0;
    }
    // Installed before the window exists, so that a stop request during start-up also
    // ends the process through the loop, with exit code 0.
    platform::installStopHandlers();
    saverApp = new SaverApp(options);
    runMainLoop();
    return 0;
}

}  // namespace ondalith
