#pragma once

namespace verbalink::test {

// Counts what the calling thread allocates while it lives: every malloc, calloc and realloc, so
// Qt's containers and the standard library's alike. Only in executables that link it.
class AllocationCount {
public:
    AllocationCount();
    ~AllocationCount();
    AllocationCount(const AllocationCount&) = delete;
    AllocationCount& operator=(const AllocationCount&) = delete;

    long count() const;
};

} // namespace verbalink::test
