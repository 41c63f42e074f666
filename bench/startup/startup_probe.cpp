// Starts a program under an X server and reports when its first top-level window is mapped and
// how much memory the program holds then: "<milliseconds> <resident kB> <proportional kB>".
// Usage: bench_startup_probe SETTLE_MS PROGRAM [ARGUMENTS...]
// The clock runs from just before the fork to the MapNotify of the first window mapped on the
// root window; the memory is read SETTLE_MS later, when the first paint is done. The program is
// then ended (SIGTERM).
#include <xcb/xcb.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

// A field of a /proc file in kB ("VmRSS:", "Pss:"), or -1.
long ProcField(const std::string& file, const std::string& field) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stol(line.substr(field.size()));
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup_probe SETTLE_MS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const int settleMs = std::stoi(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "bench_startup_probe: no X server (DISPLAY)\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask));

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double mappedMs = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        std::free(event);
        if (mapped) {
            mappedMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            break;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const std::string proc = "/proc/" + std::to_string(child);
    const long rss = ProcField(proc + "/status", "VmRSS:");
    const long pss = ProcField(proc + "/smaps_rollup", "Pss:");
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    xcb_disconnect(x);
    if (mappedMs < 0 || rss < 0) {
        std::fprintf(stderr, "bench_startup_probe: %s mapped no window\n", argv[2]);
        return 1;
    }
    std::printf("%.1f %ld %ld\n", mappedMs, rss, pss);
    return 0;
}
