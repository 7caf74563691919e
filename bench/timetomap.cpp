// timetomap PROGRAM [ARGUMENT...]: starts the program on the X display and prints the
// milliseconds until it maps its first top-level window, then the kibibytes it holds resident
// a second later (its peak so far); then ends it with SIGTERM. Run it without a window
// manager, so top-level windows are the root's own children.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {
xcb_atom_t atomNamed(xcb_connection_t* x, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The process a window says it belongs to, or -1.
long windowPid(xcb_connection_t* x, xcb_window_t window, xcb_atom_t pidAtom)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        x, xcb_get_property(x, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    long pid = -1;
    if (reply != nullptr && xcb_get_property_value_length(reply) == 4)
        pid = *static_cast<const uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return pid;
}

long peakKibibytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x) != 0)
        return 2;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t pidAtom = atomNamed(x, "_NET_WM_PID");
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    long milliseconds = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        const xcb_window_t window =
            mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
        std::free(event);
        if (mapped && windowPid(x, window, pidAtom) == child) {
            milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count();
            break;
        }
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long resident = peakKibibytes(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    std::printf("%ld %ld\n", milliseconds, resident);
    return milliseconds < 0 ? 1 : 0;
}
