/* wake_floor: wakes every 10 ms and does nothing else, the least any
 * program with a 10 ms timer costs on this machine (the kernel's timer,
 * the switch in and out). */
#include <poll.h>
#include <stdint.h>
#include <sys/timerfd.h>
#include <unistd.h>

int main(void)
{
    const int fd = timerfd_create(CLOCK_MONOTONIC, 0);
    const struct itimerspec every10ms = {{0, 10000000}, {0, 10000000}};
    timerfd_settime(fd, 0, &every10ms, NULL);
    for (;;) {
        struct pollfd p = {fd, POLLIN, 0};
        uint64_t ticks;
        if (poll(&p, 1, -1) > 0 && read(fd, &ticks, sizeof ticks) < 0)
            return 1;
    }
}
