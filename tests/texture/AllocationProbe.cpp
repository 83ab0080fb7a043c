#include "AllocationProbe.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<size_t> largestSeen{0};
std::atomic<size_t> failThreshold{0};
std::atomic<size_t> watchThreshold{0};
std::atomic<void (*)()> watchAction{nullptr};
thread_local bool watching = false;

void watch(size_t bytes) {
    const size_t threshold = watchThreshold.load();
    void (*const action)() = watchAction.load();
    if (watching || threshold == 0 || bytes < threshold || action == nullptr) return;
    watching = true;
    action();
    watching = false;
}

void* allocate(size_t bytes) {
    watch(bytes);
    size_t threshold = failThreshold.load();
    if (threshold != 0 && bytes >= threshold &&
        failThreshold.compare_exchange_strong(threshold, 0)) {
        throw std::bad_alloc();
    }
    size_t seen = largestSeen.load();
    while (bytes > seen && !largestSeen.compare_exchange_weak(seen, bytes)) {
    }
    void* memory = std::malloc(bytes == 0 ? 1 : bytes);
    if (memory == nullptr) throw std::bad_alloc();
    return memory;
}

void* allocateOrNull(size_t bytes) noexcept {
    try {
        return allocate(bytes);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace

namespace allocationprobe {

void resetLargest() { largestSeen = 0; }
size_t largest() { return largestSeen.load(); }
void failNextOfAtLeast(size_t bytes) { failThreshold = bytes; }

void watchEveryOfAtLeast(size_t bytes, void (*action)()) {
    watchAction = action;
    watchThreshold = bytes;
}

}  // namespace allocationprobe

void* operator new(size_t bytes) { return allocate(bytes); }
void* operator new[](size_t bytes) { return allocate(bytes); }
void* operator new(size_t bytes, const std::nothrow_t&) noexcept { return allocateOrNull(bytes); }
void* operator new[](size_t bytes, const std::nothrow_t&) noexcept { return allocateOrNull(bytes); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
