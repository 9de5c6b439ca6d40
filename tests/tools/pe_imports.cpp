#include "tools/pe_imports.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace pe {

namespace {

// Bounds on what a sane image holds; beyond them the file is taken as damaged.
constexpr size_t maxDescriptors = 4096;
constexpr size_t maxThunks = 65536;
constexpr size_t maxNameLength = 4096;

constexpr uint16_t pe32PlusMagic = 0x20B;
constexpr uint16_t dllCharacteristic = 0x2000;
constexpr int exportDirectory = 0;
constexpr int importDirectory = 1;
constexpr int delayImportDirectory = 13;

class Reader {
  public:
    Reader(const std::vector<uint8_t>& bytes, std::string& error) : b_(bytes), error_(error) {}

    bool read(Image& out) {
        uint32_t peOffset = 0;
        if (b_.size() < 64 || b_[0] != 'M' || b_[1] != 'Z') return fail("not an MZ executable");
        if (!u32(0x3C, peOffset)) return false;
        const size_t pe = peOffset;
        uint16_t sections = 0, optionalSize = 0, characteristics = 0, magic = 0;
        if (!bytesAt(pe, 4) || b_[pe] != 'P' || b_[pe + 1] != 'E' || b_[pe + 2] != 0 ||
            b_[pe + 3] != 0)
            return fail("no PE signature");
        if (!u16(pe + 6, sections) || !u32(pe + 8, out.timeDateStamp) ||
            !u16(pe + 20, optionalSize) || !u16(pe + 22, characteristics))
            return false;
        out.isDll = (characteristics & dllCharacteristic) != 0;
        const size_t optional = pe + 24;
        if (!u16(optional, magic)) return false;
        if (magic != pe32PlusMagic) return fail("not a 64-bit (PE32+) image");
        uint32_t directoryCount = 0;
        if (!u64(optional + 24, imageBase_) || !u32(optional + 108, directoryCount)) return false;
        if (optionalSize < 112 + 8 * std::min<uint32_t>(directoryCount, 16))
            return fail("optional header too small for its directories");
        directories_ = optional + 112;
        directoryCount_ = directoryCount;
        sectionTable_ = optional + optionalSize;
        sectionCount_ = sections;
        if (!bytesAt(sectionTable_, size_t{sectionCount_} * 40))
            return fail("section table beyond the file");
        return readImports(out) && readDelayImports(out) && readExports(out);
    }

  private:
    const std::vector<uint8_t>& b_;
    std::string& error_;
    uint64_t imageBase_ = 0;
    size_t directories_ = 0;
    uint32_t directoryCount_ = 0;
    size_t sectionTable_ = 0;
    uint16_t sectionCount_ = 0;

    bool fail(const std::string& what) {
        if (error_.empty()) error_ = what;
        return false;
    }
    bool bytesAt(size_t offset, size_t count) const {
        return offset <= b_.size() && count <= b_.size() - offset;
    }
    template <class T>
    bool readLe(size_t offset, T& out) {
        if (!bytesAt(offset, sizeof(T)))
            return fail("truncated at offset " + std::to_string(offset));
        out = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            out |= static_cast<T>(T{b_[offset + i]} << (8 * i));
        return true;
    }
    bool u16(size_t offset, uint16_t& out) { return readLe(offset, out); }
    bool u32(size_t offset, uint32_t& out) { return readLe(offset, out); }
    bool u64(size_t offset, uint64_t& out) { return readLe(offset, out); }

    // The file offset of a relative virtual address inside a section's raw data.
    bool offsetOf(uint32_t rva, size_t& out) {
        for (uint16_t i = 0; i < sectionCount_; ++i) {
            const size_t h = sectionTable_ + size_t{i} * 40;
            uint32_t virtualSize = 0, address = 0, rawSize = 0, rawOffset = 0;
            if (!u32(h + 8, virtualSize) || !u32(h + 12, address) || !u32(h + 16, rawSize) ||
                !u32(h + 20, rawOffset))
                return false;
            const uint32_t span = std::max(virtualSize, rawSize);
            if (rva < address || rva - address >= span) continue;
            if (rva - address >= rawSize)
                return fail("address " + std::to_string(rva) + " has no file data");
            out = size_t{rawOffset} + (rva - address);
            if (out >= b_.size())
                return fail("address " + std::to_string(rva) + " lies beyond the file");
            return true;
        }
        return fail("address " + std::to_string(rva) + " lies in no section");
    }
    bool text(uint32_t rva, std::string& out) {
        size_t at = 0;
        if (!offsetOf(rva, at)) return false;
        out.clear();
        for (; at < b_.size() && out.size() < maxNameLength; ++at) {
            if (b_[at] == 0) return true;
            out += static_cast<char>(b_[at]);
        }
        return fail("unterminated name at address " + std::to_string(rva));
    }
    bool directory(int index, uint32_t& rva, uint32_t& size) {
        rva = size = 0;
        if (static_cast<uint32_t>(index) >= directoryCount_) return true;
        return u32(directories_ + 8 * size_t(index), rva) &&
               u32(directories_ + 8 * size_t(index) + 4, size);
    }
    // A zero-ended table of 64-bit thunks: named imports or ordinals.
    bool thunks(uint32_t rva, std::vector<Import>& out) {
        size_t at = 0;
        if (!offsetOf(rva, at)) return false;
        for (size_t n = 0;; ++n, at += 8) {
            if (n >= maxThunks) return fail("import list without an end");
            uint64_t thunk = 0;
            if (!u64(at, thunk)) return false;
            if (thunk == 0) return true;
            Import imp;
            if (thunk >> 63) {
                imp.byOrdinal = true;
                imp.ordinal = static_cast<uint16_t>(thunk & 0xFFFF);
            } else {
                size_t hint = 0;
                if (thunk > 0xFFFFFFFFu || !offsetOf(static_cast<uint32_t>(thunk), hint) ||
                    !u16(hint, imp.ordinal) || !text(static_cast<uint32_t>(thunk) + 2, imp.name))
                    return fail("bad import name entry");
            }
            out.push_back(std::move(imp));
        }
    }
    bool readImports(Image& out) {
        uint32_t rva = 0, size = 0;
        if (!directory(importDirectory, rva, size)) return false;
        if (rva == 0) return true;
        size_t at = 0;
        if (!offsetOf(rva, at)) return false;
        for (size_t n = 0;; ++n, at += 20) {
            if (n >= maxDescriptors) return fail("import directory without an end");
            uint32_t lookup = 0, name = 0, addresses = 0;
            if (!u32(at, lookup) || !u32(at + 12, name) || !u32(at + 16, addresses)) return false;
            if (lookup == 0 && name == 0 && addresses == 0) return true;
            ImportedDll dll;
            if (!text(name, dll.name) || !thunks(lookup ? lookup : addresses, dll.imports))
                return false;
            out.dlls.push_back(std::move(dll));
        }
    }
    bool readDelayImports(Image& out) {
        uint32_t rva = 0, size = 0;
        if (!directory(delayImportDirectory, rva, size)) return false;
        if (rva == 0) return true;
        size_t at = 0;
        if (!offsetOf(rva, at)) return false;
        for (size_t n = 0;; ++n, at += 32) {
            if (n >= maxDescriptors) return fail("delay-load directory without an end");
            uint32_t attributes = 0, name = 0, names = 0;
            if (!u32(at, attributes) || !u32(at + 4, name) || !u32(at + 16, names)) return false;
            if (name == 0) return true;
            // Old-style descriptors hold addresses instead of relative ones.
            auto relative = [&](uint32_t value) {
                return (attributes & 1) ? value : static_cast<uint32_t>(value - imageBase_);
            };
            ImportedDll dll;
            dll.delayed = true;
            if (!text(relative(name), dll.name) || !thunks(relative(names), dll.imports))
                return false;
            out.dlls.push_back(std::move(dll));
        }
    }
    bool readExports(Image& out) {
        uint32_t rva = 0, size = 0;
        if (!directory(exportDirectory, rva, size)) return false;
        if (rva == 0) return true;
        size_t at = 0;
        uint32_t count = 0, names = 0;
        if (!offsetOf(rva, at) || !u32(at + 24, count) || !u32(at + 32, names)) return false;
        if (count > maxThunks) return fail("export table too large");
        if (count == 0) return true;
        size_t table = 0;
        if (!offsetOf(names, table)) return false;
        for (uint32_t i = 0; i < count; ++i) {
            uint32_t nameRva = 0;
            std::string name;
            if (!u32(table + 4 * size_t{i}, nameRva) || !text(nameRva, name)) return false;
            out.exports.push_back(std::move(name));
        }
        return true;
    }
};

}  // namespace

bool readImage(const std::vector<uint8_t>& bytes, Image& out, std::string& error) {
    out = Image{};
    error.clear();
    return Reader(bytes, error).read(out);
}

bool readImageFile(const std::string& path, Image& out, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    return readImage(bytes, out, error);
}

}  // namespace pe
