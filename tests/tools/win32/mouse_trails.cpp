// The mouse trails as the session keeps them. "set N" sets them for the session only, as
// the windowing library does; either way the value then in force is printed. A process
// reads the session's value once and then answers from its own copy, so each reading
// needs a fresh one. "hold" prints nothing and waits for the end of standard input: kept
// running through a test, it keeps Wine's server, which holds the session's values.
// Usage: mouse_trails [set N | hold]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "hold") == 0) {
        while (std::fgetc(stdin) != EOF) {
        }
        return 0;
    }
    if (argc > 2 && std::strcmp(argv[1], "set") == 0) {
        SystemParametersInfoW(SPI_SETMOUSETRAILS, static_cast<UINT>(std::atoi(argv[2])), nullptr, 0);
    }
    UINT trails = 0;
    if (!SystemParametersInfoW(SPI_GETMOUSETRAILS, 0, &trails, 0)) return 1;
    std::printf("%u\n", trails);
    return 0;
}
