#include "support/mapped_pages.h"

#include <sys/mman.h>
#include <unistd.h>

namespace testing_host {

MappedPages::MappedPages(size_t count) : count_(count) {
    void* p = mmap(nullptr, bytes(), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    base_ = p == MAP_FAILED ? nullptr : static_cast<uint8_t*>(p);
}

MappedPages::~MappedPages() {
    if (base_) munmap(base_, bytes());
}

size_t MappedPages::pageSize() {
    return static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

void MappedPages::noAccess(size_t n) {
    mprotect(page(n), pageSize(), PROT_NONE);
}

}  // namespace testing_host
