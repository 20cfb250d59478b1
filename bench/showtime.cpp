// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the X display and prints, in milliseconds from just before it is started,
// when its first top-level window is mapped and when the program first draws into it; then ends
// the program. Meant for a display without a window manager, where the server reports the
// mapping itself as the window's first damage and the program's drawing as the next.
// Usage: showtime <program> [arguments...]
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <program> [arguments...]\n", argv[0]);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "showtime: cannot connect to the X display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;

    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "showtime: the X server has no DAMAGE extension\n");
        return 1;
    }
    free(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, 1, 1), nullptr));

    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("showtime: exec");
        _exit(127);
    }

    double mapped = -1;
    double drawn = -1;
    int damages = 0;
    pollfd descriptor {xcb_get_file_descriptor(connection), POLLIN, 0};
    while (drawn < 0 && millisecondsSince(start) < 30000) {
        xcb_generic_event_t *event = xcb_poll_for_event(connection);
        if (!event) {
            poll(&descriptor, 1, 100);
            continue;
        }
        const uint8_t type = event->response_type & 0x7F;
        if (type == XCB_MAP_NOTIFY && mapped < 0) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (!map->override_redirect) {
                mapped = millisecondsSince(start);
                xcb_damage_create(connection, xcb_generate_id(connection), map->window,
                    XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                xcb_flush(connection);
            }
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && mapped >= 0) {
            if (++damages == 2)
                drawn = millisecondsSince(start);
        }
        free(event);
    }

    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    if (drawn < 0) {
        std::fprintf(stderr, "showtime: no window was shown within 30 s\n");
        return 1;
    }
    std::printf("%.1f %.1f\n", mapped, drawn);
    return 0;
}
