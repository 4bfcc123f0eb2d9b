#include <windows.h>

#include "app/entry.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    auto* options = new ondalith::LaunchOptions(ondalith::parseCommandLine(commandLine));
    return ondalith::runSaverProcess(options, true, instance, showCommand);
}
