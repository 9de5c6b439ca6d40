// Replaces the global operator new and delete of the program whose one source file includes
// this, so that every allocation is seen by noteAllocation(), which that file defines.
// Blocks come from malloc and go back to free.
#pragma once

#include <cstdlib>
#include <new>

// Called once for every operator new of the program; defined by the including file.
void noteAllocation();

namespace counted_new {

inline void* allocate(std::size_t size) {
    noteAllocation();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

}  // namespace counted_new

void* operator new(std::size_t size) {
    return counted_new::allocate(size);
}
void* operator new[](std::size_t size) {
    return counted_new::allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return counted_new::allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& t) noexcept {
    return operator new(size, t);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
