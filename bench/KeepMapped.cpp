// vornix-keepmapped: holds files mapped into memory, every page in place, for as long as the process
// that started it lives and reads its standard output. The benchmark times runs from a warm cache; a
// host that reclaims the page cache no process maps would otherwise drop parts of a log between two
// runs, and the next run would time the disk.
//
//   vornix-keepmapped FILE...    prints "mapped" once every page is in place, then waits until its
//                                parent ends or its standard output (a pipe) has no reader left
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv) {
    // The pipe's reading end may live on in the parent's other children (a server they start), so the
    // parent's end is watched as well.
    pid_t parent = getppid();
    if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != parent) return 1;
    for (int i = 1; i < argc; i++) {
        int fd = open(argv[i], O_RDONLY);
        struct stat st;
        if (fd < 0 || fstat(fd, &st) != 0) {
            fprintf(stderr, "vornix-keepmapped: cannot open %s\n", argv[i]);
            return 1;
        }
        if (st.st_size > 0 &&
            mmap(nullptr, (size_t)st.st_size, PROT_READ, MAP_SHARED | MAP_POPULATE, fd, 0) == MAP_FAILED) {
            fprintf(stderr, "vornix-keepmapped: cannot map %s\n", argv[i]);
            return 1;
        }
        close(fd);   // the mapping stays
    }
    if (printf("mapped\n") < 0 || fflush(stdout) != 0) return 1;
    // A pipe's writing end reports an error once its last reader is gone.
    struct pollfd out = {1, 0, 0};
    while (poll(&out, 1, -1) >= 0 && !(out.revents & (POLLERR | POLLHUP | POLLNVAL))) {
    }
    return 0;
}
