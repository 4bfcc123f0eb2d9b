#include "app/saver_run.h"

#include "app/desk_run.h"
#include "app/hosted_run.h"

namespace ondalith {

SaverRun* chooseRun(const LaunchOptions& options) {
    if (options.mode == Preview) return new HostedRun(options.parentWindow);
    return new DeskRun();
}

}  // namespace ondalith
