// The mouse trails at the end of a full-screen run, in-process: Wine keeps a copy of the
// session's settings in each process, so a change made by another program during the run
// would not reach the saver there. The library's switching off is played by the test.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/desk_settings.h"

namespace ondalith::test {
namespace {

UINT trails() {
    UINT value = 0;
    SystemParametersInfoW(SPI_GETMOUSETRAILS, 0, &value, 0);
    return value;
}

void setTrails(UINT value) { SystemParametersInfoW(SPI_SETMOUSETRAILS, value, nullptr, 0); }

TEST(DeskSettingsTest, OnlyTrailsStillAsTheRunSetThemGoBack) {
    setTrails(5);
    platform::keepDeskSettings();
    setTrails(0);  // as the library does for the full-screen window
    platform::noteDeskSettingsSet();

    setTrails(3);  // somebody else, during the run
    platform::restoreDeskSettings();
    EXPECT_EQ(trails(), 3u) << "the trails set during the run were overwritten";

    setTrails(0);  // as the run left them
    platform::restoreDeskSettings();
    EXPECT_EQ(trails(), 5u) << "the trails the run switched off did not come back";
}

}  // namespace
}  // namespace ondalith::test
