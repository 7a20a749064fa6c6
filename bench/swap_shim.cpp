// Preloaded into an unmodified program to time its start-up from outside.
// Wraps glXSwapBuffers: at the first swap it notes the time since the moment
// `launch` recorded just before exec (ORVANE_BENCH_T0_NS, CLOCK_MONOTONIC),
// and the CPU time the process (all its threads) has used by then, which
// other programs on a loaded machine move less than the wall time.
// With ORVANE_BENCH_HOLD_MS = 0 it reports and ends the process at once;
// otherwise it lets the program settle (ORVANE_BENCH_SETTLE_MS, default 1000),
// then run that long, counting swaps and CPU time, and then reports the peak
// resident memory (VmHWM) too. The report is one
// line of key=value pairs appended to ORVANE_BENCH_OUT (or stderr).
//
// It also marks two steps of the start-up that every program measured takes
// through the dynamic linker, so that their times can be set side by side:
// the application object made (QGuiApplication's constructor returned), and
// QQmlApplicationEngine::load begun and returned (the root document compiled,
// unless it was compiled before, and created). A step not taken reads -1.

#include <GL/glx.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <thread>

namespace {

std::atomic<long> g_swaps { 0 };
std::atomic<long long> g_applicationMadeNs { 0 };
std::atomic<long long> g_loadBegunNs { 0 };
std::atomic<long long> g_loadEndedNs { 0 };
std::atomic<long long> g_firstFrameNs { 0 };
double g_firstFrameCpuMs = 0;

long long nowNs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

double cpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

long statusKb(const char *key)
{
    FILE *file = fopen("/proc/self/status", "r");
    if (!file)
        return -1;
    char line[256];
    long value = -1;
    const size_t keyLength = strlen(key);
    while (fgets(line, sizeof line, file)) {
        if (strncmp(line, key, keyLength) == 0 && line[keyLength] == ':') {
            value = strtol(line + keyLength + 1, nullptr, 10);
            break;
        }
    }
    fclose(file);
    return value;
}

long envLong(const char *name, long fallback)
{
    const char *text = getenv(name);
    return text && *text ? strtol(text, nullptr, 10) : fallback;
}

void markFirst(std::atomic<long long> &mark)
{
    long long unset = 0;
    mark.compare_exchange_strong(unset, nowNs());
}

double msSinceStart(long long ns, long long t0)
{
    return ns && t0 ? (ns - t0) / 1e6 : -1;
}

template<typename Function> Function next(const char *symbol)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, symbol));
}

// Plain write(2) and _exit: the program's own threads are still running, and
// its destructors and atexit handlers are not what is being measured.
[[noreturn]] void reportAndExit(long idleSwaps, double idleCpuMs, double idleMs)
{
    const long long t0 = envLong("ORVANE_BENCH_T0_NS", 0);
    char line[384];
    const int length = snprintf(line, sizeof line,
        "first_frame_ms=%.2f first_frame_cpu_ms=%.1f vmhwm_kb=%ld vmrss_kb=%ld idle_ms=%.0f idle_swaps=%ld "
        "idle_cpu_ms=%.1f application_ms=%.2f load_begun_ms=%.2f load_ended_ms=%.2f\n",
        msSinceStart(g_firstFrameNs, t0), g_firstFrameCpuMs, statusKb("VmHWM"), statusKb("VmRSS"), idleMs, idleSwaps,
        idleCpuMs, msSinceStart(g_applicationMadeNs, t0), msSinceStart(g_loadBegunNs, t0),
        msSinceStart(g_loadEndedNs, t0));
    const char *path = getenv("ORVANE_BENCH_OUT");
    const int fd = path ? open(path, O_WRONLY | O_CREAT | O_APPEND, 0644) : 2;
    if (fd >= 0 && length > 0)
        (void)!write(fd, line, static_cast<size_t>(length));
    _exit(0);
}

} // namespace

// QGuiApplication::QGuiApplication(int &, char **, int), the complete object's constructor.
extern "C" void _ZN15QGuiApplicationC1ERiPPci(void *self, int &argc, char **argv, int flags)
{
    using Constructor = void (*)(void *, int &, char **, int);
    static const auto real = next<Constructor>("_ZN15QGuiApplicationC1ERiPPci");
    real(self, argc, argv, flags);
    markFirst(g_applicationMadeNs);
}

// QQmlApplicationEngine::load(const QUrl &)
extern "C" void _ZN21QQmlApplicationEngine4loadERK4QUrl(void *self, const void *url)
{
    using Load = void (*)(void *, const void *);
    static const auto real = next<Load>("_ZN21QQmlApplicationEngine4loadERK4QUrl");
    markFirst(g_loadBegunNs);
    real(self, url);
    markFirst(g_loadEndedNs);
}

extern "C" void glXSwapBuffers(Display *display, GLXDrawable drawable)
{
    using Swap = void (*)(Display *, GLXDrawable);
    static const auto realSwap = next<Swap>("glXSwapBuffers");
    realSwap(display, drawable);
    if (g_swaps.fetch_add(1) != 0)
        return;
    markFirst(g_firstFrameNs);
    g_firstFrameCpuMs = cpuMs();
    const long holdMs = envLong("ORVANE_BENCH_HOLD_MS", 0);
    if (holdMs <= 0)
        reportAndExit(0, 0, 0);
    // Idle is counted from ORVANE_BENCH_SETTLE_MS after the first frame, so
    // the tail of start-up (the window's first expose) is not taken for it.
    const long settleMs = envLong("ORVANE_BENCH_SETTLE_MS", 1000);
    std::thread([holdMs, settleMs] {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        const long swapsAtStart = g_swaps.load();
        const double cpuAtStart = cpuMs();
        const long long start = nowNs();
        std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
        reportAndExit(g_swaps.load() - swapsAtStart, cpuMs() - cpuAtStart, (nowNs() - start) / 1e6);
    }).detach();
}
