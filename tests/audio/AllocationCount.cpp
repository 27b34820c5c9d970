#include "AllocationCount.h"

#include <cstddef>

namespace {

thread_local bool counting = false;
thread_local long allocations = 0;

} // namespace

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer owns malloc; it tells a hook of every allocation instead.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                         void (*)(const volatile void*));

namespace {

void onMalloc(const volatile void*, size_t)
{
    allocations += counting;
}

void onFree(const volatile void*) {}

[[maybe_unused]] const int hooked = __sanitizer_install_malloc_and_free_hooks(&onMalloc, &onFree);

} // namespace
#else
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);

void* malloc(size_t size)
{
    allocations += counting;
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size)
{
    allocations += counting;
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, size_t size)
{
    allocations += counting;
    return __libc_realloc(pointer, size);
}
}
#endif

namespace verbalink::test {

AllocationCount::AllocationCount()
{
    allocations = 0;
    counting = true;
}

AllocationCount::~AllocationCount()
{
    counting = false;
}

long AllocationCount::count() const
{
    return allocations;
}

} // namespace verbalink::test
