/* Runs commands N times each, interleaved (A B A B ...) so that a machine that slows down or
 * speeds up meanwhile weighs on all of them alike, and prints for each command the median
 * wall time in milliseconds and the peak resident size in KiB of its median run. Spawned
 * with posix_spawn from this small process, so a peak is the command's own.
 * Usage: measure_run N COMMAND [ARGS...] [-- COMMAND [ARGS...]]... */
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

extern char** environ;

enum { kMaxCommands = 8, kMaxRuns = 1000 };

struct Sample {
    double ms;
    long kib;
};

static int bySpeed(const void* a, const void* b) {
    double d = ((const struct Sample*)a)->ms - ((const struct Sample*)b)->ms;
    return d < 0 ? -1 : d > 0;
}

static int runOnce(char** argv, posix_spawn_file_actions_t* actions, struct Sample* out) {
    struct timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid;
    if (posix_spawn(&pid, argv[0], actions, NULL, argv, environ) != 0)
        return -1;
    int status;
    struct rusage usage;
    if (wait4(pid, &status, 0, &usage) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    clock_gettime(CLOCK_MONOTONIC, &end);
    out->ms = (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
    out->kib = usage.ru_maxrss;
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    int runs = atoi(argv[1]);
    if (runs < 1 || runs > kMaxRuns)
        return 2;
    char** commands[kMaxCommands];
    int count = 0;
    commands[count++] = argv + 2;
    for (int i = 2; i < argc; ++i) {
        if (strcmp(argv[i], "--") == 0) {
            argv[i] = NULL;
            if (count == kMaxCommands || i + 1 >= argc)
                return 2;
            commands[count++] = argv + i + 1;
        }
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", 1, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", 1, 0);
    static struct Sample samples[kMaxCommands][kMaxRuns];
    for (int c = 0; c < count; ++c) /* one warm-up run each: the page cache */
        if (runOnce(commands[c], &actions, &samples[c][0]) != 0)
            return 1;
    for (int r = 0; r < runs; ++r)
        for (int c = 0; c < count; ++c)
            if (runOnce(commands[c], &actions, &samples[c][r]) != 0) {
                fprintf(stderr, "%s failed\n", commands[c][0]);
                return 1;
            }
    printf("[");
    for (int c = 0; c < count; ++c) {
        qsort(samples[c], (size_t)runs, sizeof samples[c][0], bySpeed);
        struct Sample median = samples[c][runs / 2];
        printf("%s{\"median_ms\": %.3f, \"peak_kib\": %ld}", c ? ", " : "", median.ms, median.kib);
    }
    printf("]\n");
    return 0;
}
