#include "support/crafted_pe.h"

namespace crafted_pe {

namespace {

class Bytes {
  public:
    std::vector<uint8_t> data;

    size_t size() const { return data.size(); }
    void put(size_t at, uint64_t value, int width) {
        if (data.size() < at + static_cast<size_t>(width))
            data.resize(at + static_cast<size_t>(width));
        for (int i = 0; i < width; ++i)
            data[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
    }
    // Appends room for n bytes (zero) and returns where it starts.
    size_t reserve(size_t n) {
        const size_t at = data.size();
        data.resize(at + n);
        return at;
    }
    size_t text(const std::string& s) {
        const size_t at = reserve(s.size() + 1);
        for (size_t i = 0; i < s.size(); ++i)
            data[at + i] = static_cast<uint8_t>(s[i]);
        return at;
    }
    void align(size_t to) {
        while (data.size() % to)
            data.push_back(0);
    }
};

uint32_t rva(size_t sectionOffset) {
    return sectionAddress + static_cast<uint32_t>(sectionOffset);
}

// Writes one DLL's name, lookup table, address table and name entries; returns the RVAs
// of the name and of the two tables.
struct DllTables {
    uint32_t name = 0, lookup = 0, addresses = 0;
};

DllTables writeDll(Bytes& sec, const Dll& dll) {
    DllTables t;
    t.name = rva(sec.text(dll.name));
    sec.align(8);
    const size_t count = dll.functions.size() + dll.ordinals.size();
    const size_t lookup = sec.reserve((count + 1) * 8);
    const size_t addresses = sec.reserve((count + 1) * 8);
    t.lookup = rva(lookup);
    t.addresses = rva(addresses);
    size_t slot = 0;
    for (const std::string& f : dll.functions) {
        sec.align(2);
        const size_t entry = sec.reserve(2);  // hint 0
        sec.text(f);
        sec.put(lookup + 8 * slot, rva(entry), 8);
        sec.put(addresses + 8 * slot, rva(entry), 8);
        ++slot;
    }
    for (uint16_t ordinal : dll.ordinals) {
        const uint64_t thunk = (uint64_t{1} << 63) | ordinal;
        sec.put(lookup + 8 * slot, thunk, 8);
        sec.put(addresses + 8 * slot, thunk, 8);
        ++slot;
    }
    return t;
}

}  // namespace

std::vector<uint8_t> build(const Contents& contents) {
    std::vector<const Dll*> normal, delayed;
    for (const Dll& d : contents.dlls)
        (d.delayed ? delayed : normal).push_back(&d);

    Bytes sec;
    const size_t imports = normal.empty() ? 0 : sec.reserve((normal.size() + 1) * 20);
    const size_t delays = delayed.empty() ? 0 : sec.reserve((delayed.size() + 1) * 32);
    for (size_t i = 0; i < normal.size(); ++i) {
        const DllTables t = writeDll(sec, *normal[i]);
        sec.put(imports + 20 * i + 0, t.lookup, 4);
        sec.put(imports + 20 * i + 12, t.name, 4);
        sec.put(imports + 20 * i + 16, t.addresses, 4);
    }
    for (size_t i = 0; i < delayed.size(); ++i) {
        const DllTables t = writeDll(sec, *delayed[i]);
        sec.put(delays + 32 * i + 0, 1, 4);  // relative addresses
        sec.put(delays + 32 * i + 4, t.name, 4);
        sec.put(delays + 32 * i + 12, t.addresses, 4);
        sec.put(delays + 32 * i + 16, t.lookup, 4);
    }
    size_t exports = 0;
    if (!contents.exports.empty()) {
        sec.align(4);
        exports = sec.reserve(40);
        const size_t n = contents.exports.size();
        const size_t functions = sec.reserve(4 * n);
        const size_t names = sec.reserve(4 * n);
        const size_t ordinals = sec.reserve(2 * n);
        for (size_t i = 0; i < n; ++i) {
            sec.put(functions + 4 * i, rva(0), 4);
            sec.put(names + 4 * i, rva(sec.text(contents.exports[i])), 4);
            sec.put(ordinals + 2 * i, i, 2);
        }
        sec.put(exports + 16, 1, 4);  // ordinal base
        sec.put(exports + 20, n, 4);
        sec.put(exports + 24, n, 4);
        sec.put(exports + 28, rva(functions), 4);
        sec.put(exports + 32, rva(names), 4);
        sec.put(exports + 36, rva(ordinals), 4);
    }
    sec.reserve(1);  // never empty
    const size_t virtualSize = sec.size();
    sec.align(0x200);

    Bytes file;
    file.reserve(sectionFileOffset);
    file.put(0, 'M', 1);
    file.put(1, 'Z', 1);
    file.put(0x3C, peHeaderOffset, 4);
    file.put(peHeaderOffset, 0x00004550, 4);  // "PE\0\0"
    file.put(peHeaderOffset + 4, 0x8664, 2);  // x86-64
    file.put(peHeaderOffset + 6, 1, 2);       // one section
    file.put(peHeaderOffset + 8, contents.timeDateStamp, 4);
    file.put(peHeaderOffset + 20, 240, 2);  // optional header size
    file.put(peHeaderOffset + 22, contents.dll ? 0x2022 : 0x0022, 2);
    const size_t opt = optionalHeaderOffset;
    file.put(opt, 0x20B, 2);
    file.put(opt + 24, 0x180000000ull, 8);  // image base
    file.put(opt + 32, 0x1000, 4);          // section alignment
    file.put(opt + 36, 0x200, 4);           // file alignment
    file.put(opt + 56, sectionAddress + ((virtualSize + 0xFFF) & ~size_t{0xFFF}), 4);
    file.put(opt + 60, sectionFileOffset, 4);
    file.put(opt + 108, 16, 4);  // directory count
    auto directory = [&](int index, size_t at, size_t size) {
        file.put(opt + 112 + 8 * static_cast<size_t>(index), rva(at), 4);
        file.put(opt + 116 + 8 * static_cast<size_t>(index), size, 4);
    };
    if (!contents.exports.empty()) directory(0, exports, 40);
    if (!normal.empty()) directory(1, imports, (normal.size() + 1) * 20);
    if (!delayed.empty()) directory(13, delays, (delayed.size() + 1) * 32);
    const size_t sh = sectionHeaderOffset;
    const char name[8] = {'.', 'i', 'd', 'a', 't', 'a', 0, 0};
    for (size_t i = 0; i < 8; ++i)
        file.put(sh + i, static_cast<uint8_t>(name[i]), 1);
    file.put(sh + 8, virtualSize, 4);
    file.put(sh + 12, sectionAddress, 4);
    file.put(sh + 16, sec.size(), 4);
    file.put(sh + 20, sectionFileOffset, 4);
    file.put(sh + 36, 0xC0000040u, 4);  // initialised data, read, write
    file.data.resize(sectionFileOffset);
    file.data.insert(file.data.end(), sec.data.begin(), sec.data.end());
    return file.data;
}

}  // namespace crafted_pe
