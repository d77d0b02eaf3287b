// Starts a program on the X display and prints, once its first top-level window is mapped,
// the wall time since exec in milliseconds and the program's resident memory then in KiB.
//   startup_probe PROGRAM [ARGUMENT...]
// It watches the root window, so it wants a display without a window manager (Xvfb alone):
// a manager would take the map request and map a frame of its own.
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

extern char** environ;

namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// Qt names the owning process of each top-level window in _NET_WM_PID.
std::optional<pid_t> windowPid(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t pidAtom)
{
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr),
        &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4) {
        return std::nullopt;
    }
    return static_cast<pid_t>(*static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get())));
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so the server has the mask before the program can map anything.
    if (xcb_generic_error_t* error =
            xcb_request_check(connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        std::fprintf(stderr, "cannot watch the root window\n");
        return 1;
    }
    const xcb_atom_t pidAtom = atom(connection, "_NET_WM_PID");

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }

    // A program that dies or never maps a window ends the wait instead of hanging the run.
    const auto deadline = start + std::chrono::seconds(30);
    bool exited = false;
    int result = 1;
    while (!exited && std::chrono::steady_clock::now() < deadline) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (!event) {
            exited = waitpid(pid, nullptr, WNOHANG) == pid;
            pollfd readable{xcb_get_file_descriptor(connection), POLLIN, 0};
            poll(&readable, 1, 50);
            continue;
        }
        const Owned<xcb_generic_event_t> owned(event, &std::free);
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) {
            continue;
        }
        const auto mapped = std::chrono::steady_clock::now();
        // Stopped before the question whose window it is, so the memory is that of the moment
        // of mapping, not of the paint that follows it.
        kill(pid, SIGSTOP);
        const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        if (windowPid(connection, window, pidAtom) != pid) {
            kill(pid, SIGCONT);
            continue;
        }
        const std::chrono::duration<double, std::milli> elapsed = mapped - start;
        std::printf("%.2f %ld\n", elapsed.count(), residentKiB(pid));
        result = 0;
        break;
    }
    if (result != 0) {
        std::fprintf(stderr, "%s mapped no window\n", argv[1]);
    }
    if (!exited) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    xcb_disconnect(connection);
    return result;
}
