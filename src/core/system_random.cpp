#include "system_random.h"

#include <chrono>
#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

SystemRandom::SystemRandom()
    : generator_(std::random_device{}())
{
}

int SystemRandom::uniform(int low, int high)
{
    if (high <= low)
        return low;
    return std::uniform_int_distribution<int>(low, high)(generator_);
}

quint64 SystemRandom::tickCount()
{
#if defined(__x86_64__) || defined(__i386__)
    return __rdtsc();
#else
    return quint64(std::chrono::steady_clock::now().time_since_epoch().count());
#endif
}
