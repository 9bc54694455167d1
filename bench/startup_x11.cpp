// Start-up benchmark (Linux, X11): starts two programs in turn, many times, and measures
// the time from fork until the program first draws into a new top-level window, as the X
// server's DAMAGE extension reports it, and each run's peak memory.
// Usage: startup_x11 <runs> <working folder> <program> <yardstick>...
// Prints each program's median and the ratio of the first program to each yardstick.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double milliseconds;
    long peakKiB;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Sample startOnce(xcb_connection_t* x, std::uint8_t damageEvent, const char* folder,
                 const char* program) {
    const auto started = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder) != 0)
            _exit(127);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    double shownAfter = -1;
    while (shownAfter < 0) {
        xcb_generic_event_t* event = xcb_wait_for_event(x);
        if (!event) {
            std::fprintf(stderr, "lost the X connection\n");
            std::exit(1);
        }
        const std::uint8_t type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            // Watch every new top-level window for its first drawing.
            auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            const xcb_damage_damage_t damage = xcb_generate_id(x);
            xcb_damage_create(x, damage, created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(x);
        } else if (type == damageEvent) {
            shownAfter = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        }
        std::free(event);
    }
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    // Drain what the ended program left behind.
    while (xcb_generic_event_t* event = xcb_poll_for_event(x))
        std::free(event);
    return {shownAfter, usage.ru_maxrss};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <runs> <working folder> <program> <yardstick>...\n",
                     argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const std::uint8_t damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const std::vector<const char*> programs(argv + 3, argv + argc);
    const std::size_t count = programs.size();
    std::vector<std::vector<double>> times(count), memory(count);
    for (const char* program : programs) // warm the file cache, not counted
        startOnce(x, damageEvent, argv[2], program);
    for (int run = 0; run < runs; ++run)
        for (std::size_t p = 0; p < count; ++p) {
            const Sample s = startOnce(x, damageEvent, argv[2], programs[p]);
            times[p].push_back(s.milliseconds);
            memory[p].push_back(static_cast<double>(s.peakKiB));
        }
    std::printf("%d runs each, in turn:\n", runs);
    for (std::size_t p = 0; p < count; ++p)
        std::printf("%-14s median %5.1f ms to first drawing, peak memory %.1f MiB (median)\n",
                    std::strrchr(programs[p], '/') ? std::strrchr(programs[p], '/') + 1
                                                   : programs[p],
                    median(times[p]), median(memory[p]) / 1024.0);
    for (std::size_t p = 1; p < count; ++p)
        std::printf("ratio to %s: %.3f\n", std::strrchr(programs[p], '/') + 1,
                    median(times[0]) / median(times[p]));
    xcb_disconnect(x);
    return 0;
}
