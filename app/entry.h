#pragma once
// What the process entry does once the operating system has handed over the command
// line: the system-specific entry points (WinMain, main) call into here.
#include "app/launch_options.h"

namespace ondalith {

// The whole life of the process after the command line is parsed into *options, which
// the saver keeps as saverApp->launchOptions. singleInstanceRule: apply the marker test to
// preview and switch-less runs. Returns the exit code, always 0.
int runSaverProcess(LaunchOptions* options, bool singleInstanceRule, void* instance, int showCommand);

}  // namespace ondalith
