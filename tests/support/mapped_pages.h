// Whole pages of memory, each readable and writable or made inaccessible, for the tests of
// the readers that must not touch memory they cannot read (the entity-pool scan, the
// vehicle-object reads) and of the system's answer on pages.
#pragma once

#include <cstddef>
#include <cstdint>

namespace testing_host {

class MappedPages {
  public:
    // count pages, readable and writable, zeroed.
    explicit MappedPages(size_t count);
    ~MappedPages();
    MappedPages(const MappedPages&) = delete;
    MappedPages& operator=(const MappedPages&) = delete;

    static size_t pageSize();
    uint8_t* page(size_t n) const { return base_ + n * pageSize(); }
    size_t bytes() const { return count_ * pageSize(); }
    // Makes page n fault on any access.
    void noAccess(size_t n);

  private:
    uint8_t* base_ = nullptr;
    size_t count_ = 0;
};

}  // namespace testing_host
