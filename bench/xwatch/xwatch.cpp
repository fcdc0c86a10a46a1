// xwatch: starts a program on the X server named by DISPLAY and measures what it costs a
// user, from outside the program:
//   startup_ms        exec to the first top-level window being mapped (MapNotify on the root)
//   startup_cpu_ms    CPU time of all its threads until then, which a loaded machine's waits
//                     for the CPU do not lengthen
//   rss_kb, pss_kb    memory after the settle time
//   cpu_ms            CPU time of all its threads over the measured window
//   xserver_cpu_ms    CPU time of the X server over the same window (with --xserver-pid)
//   wakeups_per_s     context switches of all its threads over the window, per second
//   phase_*_ms        how long after each wall-clock second boundary the window's content
//                     changed (X DAMAGE events), median and 95th percentile
//   windows_mapped    top-level windows mapped in all (a message box is one more)
//   seconds_missed, seconds_doubled
//                     whole seconds in the window with no update, or with two or more
//
// usage: xwatch [--settle SECONDS] [--duration SECONDS] [--xserver-pid PID] [--startup]
//               -- PROGRAM [ARGS...]
// It prints one line of key=value pairs and ends the program with SIGTERM; with --startup, as
// soon as its window is mapped, with the start-up's two figures alone.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using WallClock = std::chrono::system_clock;

[[noreturn]] void die(const std::string &message)
{
    std::fprintf(stderr, "xwatch: %s\n", message.c_str());
    std::exit(2);
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Time on the CPU of all the threads of a process, in milliseconds, to the nanosecond
// (the scheduler's own count, finer than the 10 ms ticks of utime and stime).
double cpuMilliseconds(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        return NAN;
    double total = 0;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        unsigned long long nanoseconds = 0;
        if (schedstat >> nanoseconds)
            total += double(nanoseconds) / 1e6;
    }
    closedir(dir);
    return total;
}

long long contextSwitches(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    long long total = 0;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream status(tasks + "/" + entry->d_name + "/status");
        std::string key;
        long long value = 0;
        while (status >> key) {
            if (key == "voluntary_ctxt_switches:" || key == "nonvoluntary_ctxt_switches:") {
                status >> value;
                total += value;
            }
        }
    }
    closedir(dir);
    return total;
}

long long memoryKb(pid_t pid, const std::string &key)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string word;
    while (rollup >> word) {
        if (word == key + ":") {
            long long value = 0;
            rollup >> value;
            return value;
        }
    }
    return -1;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const double rank = p * double(values.size() - 1);
    const auto low = std::size_t(std::floor(rank));
    const auto high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (rank - double(low));
}

struct Options
{
    double settleSeconds = 5;
    double durationSeconds = 60;
    pid_t xserver = 0;
    bool startupOnly = false;
    char **command = nullptr;
};

Options parse(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--" && i + 1 < argc) {
            options.command = argv + i + 1;
            return options;
        }
        if (arg == "--startup") {
            options.startupOnly = true;
            continue;
        }
        if (i + 1 >= argc)
            break;
        if (arg == "--settle")
            options.settleSeconds = std::atof(argv[++i]);
        else if (arg == "--duration")
            options.durationSeconds = std::atof(argv[++i]);
        else if (arg == "--xserver-pid")
            options.xserver = pid_t(std::atoi(argv[++i]));
        else
            break;
    }
    die("usage: xwatch [--settle S] [--duration S] [--xserver-pid PID] [--startup] -- PROGRAM "
        "[ARGS...]");
}

class XWatch
{
public:
    XWatch()
    {
        int screenNumber = 0;
        m_connection = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_connection))
            die("cannot connect to the X server");
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&screens);
        m_root = screens.data->root;

        const xcb_query_extension_reply_t *damage =
            xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (!damage || !damage->present)
            die("the X server has no DAMAGE extension");
        m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(m_connection,
                                            xcb_damage_query_version(m_connection, 1, 1), nullptr));

        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

    ~XWatch() { xcb_disconnect(m_connection); }

    // Handles the events that come until `deadline`.
    void runUntil(Clock::time_point deadline)
    {
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                handle(event);
                free(event);
            }
            if (xcb_connection_has_error(m_connection))
                die("the X connection broke");
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                    .count();
            if (left <= 0 || (m_waitingForMap && m_mapped))
                return;
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, int(left));
        }
    }

    void waitForMap(Clock::time_point deadline)
    {
        m_waitingForMap = true;
        runUntil(deadline);
        m_waitingForMap = false;
    }

    bool mapped() const { return m_mapped; }
    int windowsMapped() const { return m_windowsMapped; }
    void startRecording()
    {
        m_updates.clear();
        m_recording = true;
    }
    void stopRecording() { m_recording = false; }
    const std::vector<WallClock::time_point> &damageTimes() const { return m_updates; }

private:
    void handle(xcb_generic_event_t *event)
    {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (map->event != m_root || map->override_redirect)
                return;
            ++m_windowsMapped;
            if (m_mapped)
                return;
            m_mapped = true;
            const xcb_damage_damage_t damage = xcb_generate_id(m_connection);
            xcb_damage_create(m_connection, damage, map->window,
                              XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(m_connection);
        } else if (type == m_damageEvent && m_recording) {
            m_updates.push_back(WallClock::now());
        }
    }

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    uint8_t m_damageEvent = 0;
    bool m_mapped = false;
    int m_windowsMapped = 0;
    bool m_waitingForMap = false;
    bool m_recording = false;
    std::vector<WallClock::time_point> m_updates;
};

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    XWatch watch;

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        die(std::strerror(errno));
    if (child == 0) {
        execvp(options.command[0], options.command);
        std::fprintf(stderr, "xwatch: cannot run %s: %s\n", options.command[0],
                     std::strerror(errno));
        _exit(127);
    }

    watch.waitForMap(start + std::chrono::seconds(30));
    if (!watch.mapped()) {
        kill(child, SIGKILL);
        die("the program mapped no window within 30 s");
    }
    const double startup = millisecondsSince(start);
    const double startupCpu = cpuMilliseconds(child);
    if (options.startupOnly) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        std::printf("startup_ms=%.1f startup_cpu_ms=%.1f\n", startup, startupCpu);
        return 0;
    }

    const auto settled = start
                         + std::chrono::duration_cast<Clock::duration>(
                             std::chrono::duration<double>(options.settleSeconds));
    watch.runUntil(settled);
    const long long rss = memoryKb(child, "Rss");
    const long long pss = memoryKb(child, "Pss");

    const double cpu0 = cpuMilliseconds(child);
    const double xcpu0 = options.xserver ? cpuMilliseconds(options.xserver) : NAN;
    const long long switches0 = contextSwitches(child);
    const WallClock::time_point wallStart = WallClock::now();
    watch.startRecording();
    watch.runUntil(settled
                   + std::chrono::duration_cast<Clock::duration>(
                       std::chrono::duration<double>(options.durationSeconds)));
    watch.stopRecording();
    const WallClock::time_point wallEnd = WallClock::now();
    const double cpu = cpuMilliseconds(child) - cpu0;
    const double xcpu = options.xserver ? cpuMilliseconds(options.xserver) - xcpu0 : NAN;
    const long long switches = contextSwitches(child) - switches0;

    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);

    // One repaint reaches the server as several rectangles: damage within 100 ms of the
    // first is the same update.
    std::vector<WallClock::time_point> updates;
    for (const auto &time : watch.damageTimes()) {
        if (updates.empty() || time - updates.back() > std::chrono::milliseconds(100))
            updates.push_back(time);
    }
    std::vector<double> phases;
    const auto secondOf = [](WallClock::time_point t) {
        return std::chrono::duration_cast<std::chrono::seconds>(t.time_since_epoch()).count();
    };
    for (const auto &update : updates) {
        const auto ms =
            std::chrono::duration<double, std::milli>(update.time_since_epoch()).count();
        phases.push_back(std::fmod(ms, 1000.0));
    }
    int missed = 0, doubled = 0;
    for (auto second = secondOf(wallStart) + 1; second < secondOf(wallEnd); ++second) {
        const auto count = std::count_if(updates.begin(), updates.end(),
                                         [&](auto t) { return secondOf(t) == second; });
        missed += count == 0;
        doubled += count >= 2;
    }

    std::printf("startup_ms=%.1f startup_cpu_ms=%.1f rss_kb=%lld pss_kb=%lld cpu_ms=%.1f "
                "xserver_cpu_ms=%.1f "
                "wakeups_per_s=%.2f phase_median_ms=%.1f phase_p95_ms=%.1f updates=%zu "
                "seconds_missed=%d seconds_doubled=%d windows_mapped=%d\n",
                startup, startupCpu, rss, pss, cpu, xcpu,
                double(switches) / options.durationSeconds, percentile(phases, 0.5),
                percentile(phases, 0.95), updates.size(), missed, doubled, watch.windowsMapped());
    return 0;
}
