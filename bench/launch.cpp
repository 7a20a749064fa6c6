// Notes the time (CLOCK_MONOTONIC) in ORVANE_BENCH_T0_NS and replaces itself
// with the given program, so a preloaded swap_shim can time the program's
// start-up from the exec on, loading of its libraries included.
// Usage: launch PROGRAM [ARGS...]

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        fprintf(stderr, "usage: launch PROGRAM [ARGS...]\n");
        return 2;
    }
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const std::string t0 = std::to_string(ts.tv_sec * 1000000000LL + ts.tv_nsec);
    setenv("ORVANE_BENCH_T0_NS", t0.c_str(), 1);
    execvp(argv[1], argv + 1);
    perror("launch: exec");
    return 127;
}
