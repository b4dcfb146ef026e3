#ifndef BENCH_CPUTIME_H
#define BENCH_CPUTIME_H

#include <ctime>

// This thread's processor time in milliseconds: steadier than the wall
// clock on a busy machine.
inline double CpuMs()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

#endif // BENCH_CPUTIME_H
