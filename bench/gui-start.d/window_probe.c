/* Starts a program on the X display and reports, on one line of NAME=VALUE:
 *   shown_ms    from just before the start to the first window of at least 200 x 200 pixels being
 *               on screen with its content (the pixel at its centre no longer the root's black);
 *   cpu_shown_ms the CPU time of the program's threads up to that moment;
 *   rss_kb      its resident memory once the window has been idle for SETTLE seconds;
 *   idle_cpu_pct its CPU over the IDLE seconds after that, in percent of one core.
 * The program is then ended (SIGTERM). With --once the program is run to its end instead and
 * wall_ms, cpu_ms and max_rss_kb are reported.
 * Needs a server whose root window is black (Xvfb -br) and no window manager.
 * Usage: window-probe [--settle S] [--idle S] [--timeout S] [--once] -- PROGRAM ARGS... */
#define _GNU_SOURCE
#include <dirent.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static void sleep_ms(double ms) {
    struct timespec t = {(time_t)(ms / 1000), (long)((ms - (time_t)(ms / 1000) * 1000) * 1e6)};
    while (nanosleep(&t, &t) == -1 && errno == EINTR) {
    }
}

/* CPU time of all the process's threads in milliseconds, to the nanosecond (schedstat), -1 when it
 * is gone. */
static double run_ms(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* dir = opendir(path);
    if (!dir)
        return -1;
    double total = 0;
    struct dirent* e;
    while ((e = readdir(dir))) {
        if (e->d_name[0] == '.')
            continue;
        char file[320];
        snprintf(file, sizeof file, "/proc/%d/task/%s/schedstat", (int)pid, e->d_name);
        FILE* f = fopen(file, "r");
        unsigned long long ns = 0;
        if (f) {
            if (fscanf(f, "%llu", &ns) == 1)
                total += ns / 1e6;
            fclose(f);
        }
    }
    closedir(dir);
    return total;
}

static long rss_kb(pid_t pid) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    long kb = -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmRSS: %ld", &kb) == 1)
            break;
    fclose(f);
    return kb;
}

static uint32_t pixel_at(xcb_connection_t* c, xcb_window_t root, int x, int y) {
    xcb_get_image_reply_t* r =
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, (int16_t)x, (int16_t)y, 1, 1, ~0u), NULL);
    uint32_t v = 0;
    if (r) {
        int len = xcb_get_image_data_length(r);
        memcpy(&v, xcb_get_image_data(r), len < 4 ? (size_t)len : 4);
        v &= 0xffffff;
        free(r);
    }
    return v;
}

int main(int argc, char** argv) {
    double settle = 5, idle = 5, timeout = 60;
    int once = 0, i = 1;
    for (; i < argc; ++i) {
        if (!strcmp(argv[i], "--settle") && i + 1 < argc)
            settle = atof(argv[++i]);
        else if (!strcmp(argv[i], "--idle") && i + 1 < argc)
            idle = atof(argv[++i]);
        else if (!strcmp(argv[i], "--timeout") && i + 1 < argc)
            timeout = atof(argv[++i]);
        else if (!strcmp(argv[i], "--once"))
            once = 1;
        else if (!strcmp(argv[i], "--")) {
            ++i;
            break;
        } else
            break;
    }
    if (i >= argc) {
        fprintf(stderr, "usage: window-probe [--settle S] [--idle S] [--timeout S] [--once] -- PROGRAM ARGS...\n");
        return 2;
    }

    if (once) {
        double t0 = now_ms();
        pid_t pid = fork();
        if (pid == 0) {
            execvp(argv[i], argv + i);
            _exit(127);
        }
        int status;
        struct rusage ru;
        if (wait4(pid, &status, 0, &ru) < 0)
            return 1;
        double wall = now_ms() - t0;
        double cpu = ru.ru_utime.tv_sec * 1e3 + ru.ru_utime.tv_usec / 1e3 + ru.ru_stime.tv_sec * 1e3 +
                     ru.ru_stime.tv_usec / 1e3;
        printf("wall_ms=%.1f cpu_ms=%.1f max_rss_kb=%ld status=%d\n", wall, cpu, ru.ru_maxrss,
               WIFEXITED(status) ? WEXITSTATUS(status) : -1);
        return 0;
    }

    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "window-probe: no X display\n");
        return 1;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), NULL));

    double t0 = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[i], argv + i);
        _exit(127);
    }

    int fd = xcb_get_file_descriptor(c);
    double shown = -1, cpu_shown = -1;
    xcb_window_t target = 0;
    int cx = 0, cy = 0;
    while (shown < 0 && now_ms() - t0 < timeout * 1000) {
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "window-probe: %s ended before showing a window\n", argv[i]);
            return 1;
        }
        xcb_generic_event_t* e;
        while ((e = xcb_poll_for_event(c))) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY && !target) {
                xcb_map_notify_event_t* m = (xcb_map_notify_event_t*)e;
                if (!m->override_redirect) {
                    xcb_get_geometry_reply_t* g =
                        xcb_get_geometry_reply(c, xcb_get_geometry(c, m->window), NULL);
                    if (g && g->width >= 200 && g->height >= 200) {
                        target = m->window;
                        cx = g->x + g->width / 2;
                        cy = g->y + g->height / 2;
                    }
                    free(g);
                }
            }
            free(e);
        }
        if (target) {
            if (pixel_at(c, root, cx, cy) != 0) {
                shown = now_ms() - t0;
                cpu_shown = run_ms(pid);
                break;
            }
            sleep_ms(1);
        } else {
            struct pollfd p = {fd, POLLIN, 0};
            poll(&p, 1, 5);
        }
    }
    if (shown < 0) {
        fprintf(stderr, "window-probe: no window shown within %.0f s\n", timeout);
        kill(pid, SIGKILL);
        waitpid(pid, NULL, 0);
        return 1;
    }
    sleep_ms(settle * 1000 - (now_ms() - t0 - shown));
    long rss = rss_kb(pid);
    double c1 = run_ms(pid), w1 = now_ms();
    sleep_ms(idle * 1000);
    double c2 = run_ms(pid), w2 = now_ms();
    kill(pid, SIGTERM);
    double waited = now_ms();
    while (waitpid(pid, NULL, WNOHANG) == 0) {
        if (now_ms() - waited > 3000) {
            kill(pid, SIGKILL);
            waitpid(pid, NULL, 0);
            break;
        }
        sleep_ms(10);
    }
    printf("shown_ms=%.1f cpu_shown_ms=%.1f rss_kb=%ld idle_cpu_pct=%.2f\n", shown, cpu_shown, rss,
           (c2 - c1) / (w2 - w1) * 100.0);
    xcb_disconnect(c);
    return 0;
}
