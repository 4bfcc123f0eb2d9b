// Test-only clock for the saver, loaded with LD_PRELOAD. The windowing library reads its
// timer from the monotonic clock, so scaling that clock speeds up or freezes the saver's
// time t without a switch in the saver:
//
//   ONDALITH_CLOCK_RATE=1000   t runs 1000 times as fast as the wall clock
//   ONDALITH_CLOCK_RATE=0      t stands still
//
// Elapsed time is scaled from the moment the shim is loaded, so whatever the process reads
// first still comes out near the real clock. The realtime clock is left alone.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdint.h>
#include <stdlib.h>
#include <time.h>

typedef int (*ClockFunction)(clockid_t, struct timespec*);

static ClockFunction realClock;
static double rate = 1.0;
static int64_t origin[3];  // per scaled clock: its reading when the shim was loaded

static int slotOf(clockid_t id) {
    switch (id) {
        case CLOCK_MONOTONIC: return 0;
        case CLOCK_MONOTONIC_RAW: return 1;
        case CLOCK_BOOTTIME: return 2;
        default: return -1;
    }
}

static int64_t nanoseconds(const struct timespec* ts) { return (int64_t) ts->tv_sec * 1000000000 + ts->tv_nsec; }

// Runs once: from the constructor, or earlier from the first clock reading when another
// library's constructor reads the clock before ours has run. A second run would move the
// origin and could turn the clock back.
__attribute__((constructor)) static void loadShim(void) {
    if (realClock) return;
    realClock = (ClockFunction) dlsym(RTLD_NEXT, "clock_gettime");
    const char* text = getenv("ONDALITH_CLOCK_RATE");
    if (text) rate = strtod(text, NULL);
    const clockid_t ids[3] = {CLOCK_MONOTONIC, CLOCK_MONOTONIC_RAW, CLOCK_BOOTTIME};
    for (int i = 0; i < 3; ++i) {
        struct timespec ts;
        origin[i] = realClock && realClock(ids[i], &ts) == 0 ? nanoseconds(&ts) : 0;
    }
}

int clock_gettime(clockid_t id, struct timespec* ts) {
    if (!realClock) loadShim();
    const int result = realClock(id, ts);
    const int slot = slotOf(id);
    if (result != 0 || slot < 0 || rate == 1.0) return result;
    const int64_t scaled = origin[slot] + (int64_t) ((double) (nanoseconds(ts) - origin[slot]) * rate);
    ts->tv_sec = (time_t) (scaled / 1000000000);
    ts->tv_nsec = (long) (scaled % 1000000000);
    return result;
}
