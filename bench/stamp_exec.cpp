// Stamps "exec <ns>" (CLOCK_MONOTONIC) to the fd named by VELKAR_SWAP_FD and replaces itself
// with the program given, so a start-up time runs from this exec to the program's swaps.
//   stamp_exec PROGRAM [ARGS...]
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: stamp_exec PROGRAM [ARGS...]\n");
        return 2;
    }
    const char *fdText = getenv("VELKAR_SWAP_FD");
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    if (fdText) {
        char line[64];
        const int len =
            snprintf(line, sizeof line, "exec %lld\n", ts.tv_sec * 1000000000LL + ts.tv_nsec);
        if (write(atoi(fdText), line, size_t(len)) != len)
            perror("stamp_exec: write");
    }
    execvp(argv[1], argv + 1);
    fprintf(stderr, "stamp_exec: cannot run %s: %s\n", argv[1], strerror(errno));
    return 127;
}
