// Wraps glibc's allocator to follow the bytes in use. Linked only into a
// benchmark executable, whose definitions take the place of the library's.
#include "alloccount.h"

#include <atomic>
#include <cstring>
#include <malloc.h>

extern "C" {
void *__libc_malloc(std::size_t);
void *__libc_calloc(std::size_t, std::size_t);
void *__libc_realloc(void *, std::size_t);
void *__libc_memalign(std::size_t, std::size_t);
void __libc_free(void *);
}

namespace {

std::atomic<long long> inUse{0};
std::atomic<long long> peak{0};
std::atomic<long long> base{0};

void *counted(void *p)
{
    if (p) {
        const long long now = inUse += (long long)malloc_usable_size(p);
        long long seen = peak.load(std::memory_order_relaxed);
        while (now > seen && !peak.compare_exchange_weak(seen, now, std::memory_order_relaxed)) {
        }
    }
    return p;
}

void uncount(void *p)
{
    if (p)
        inUse -= (long long)malloc_usable_size(p);
}

} // namespace

extern "C" {

void *malloc(std::size_t n) { return counted(__libc_malloc(n)); }
void *calloc(std::size_t n, std::size_t size) { return counted(__libc_calloc(n, size)); }
void free(void *p)
{
    uncount(p);
    __libc_free(p);
}
void *realloc(void *p, std::size_t n)
{
    uncount(p);
    void *q = __libc_realloc(p, n);
    if (!q && p && n) { // failed: the old block stays
        counted(p);
        return nullptr;
    }
    return counted(q);
}
void *memalign(std::size_t align, std::size_t n) { return counted(__libc_memalign(align, n)); }
void *aligned_alloc(std::size_t align, std::size_t n) { return counted(__libc_memalign(align, n)); }
int posix_memalign(void **out, std::size_t align, std::size_t n)
{
    void *p = counted(__libc_memalign(align, n));
    if (!p)
        return 12; // ENOMEM
    *out = p;
    return 0;
}

} // extern "C"

namespace AllocCount {

void resetPeak()
{
    base = inUse.load();
    peak = base.load();
}

std::size_t peakAboveReset()
{
    const long long above = peak.load() - base.load();
    return above > 0 ? std::size_t(above) : 0;
}

} // namespace AllocCount
