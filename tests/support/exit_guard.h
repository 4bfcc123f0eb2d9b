#pragma once
// Code under test may end the process with status 0 (a shader that does not compile, a
// failed attach, input that ends the saver); inside a test run that must read as a
// failure, not as success. main() of a test binary that runs such code:
//   return ondalith::test::runAllTestsRefusingEarlyExit(argc, argv);
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace ondalith::test {

inline bool& testsFinished() {
    static bool finished = false;
    return finished;
}

inline void refuseEarlyExit() {
    if (testsFinished()) return;
    std::fputs("The process ended in the middle of a test\n", stderr);
    std::_Exit(1);
}

inline int runAllTestsRefusingEarlyExit(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::atexit(refuseEarlyExit);
    const int result = RUN_ALL_TESTS();
    testsFinished() = true;
    return result;
}

}  // namespace ondalith::test
