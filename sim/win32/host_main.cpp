// velquist-host.exe: the simulator's command line, run from the stand-in ScriptHookV.dll,
// which loads the real Velquist.asi.
//
// This program stands for the game executable: the plug-in finds the entity pool by
// scanning the main module's image for the instruction below, which loads the pool's
// address from a variable addressed relative to the instruction's end. The instruction
// follows a page of its own in the image; built with VELQUIST_IMAGE_HOLE_NOACCESS or
// VELQUIST_IMAGE_HOLE_GUARD (velquist-host-noaccess.exe, velquist-host-guard.exe), that
// page is made no-access or a guard page before the plug-in loads, as protected game
// executables hold such pages, and must be found so when the run ends.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

extern "C" __declspec(dllimport) int velquistSimMain(int argc, char** argv,
                                                     void** entityPoolVariable);

namespace {

constexpr size_t pageBytes = 4096;

// The page before the instruction, and the instruction: mov r9, [rip + displacement];
// mov r8d, ecx; mov rax, [r9 + 8]. The displacement is filled in at start, once the two
// addresses are known.
struct alignas(pageBytes) ImageArea {
    volatile uint8_t page[pageBytes];
    volatile uint8_t code[14];
};

#if defined(VELQUIST_IMAGE_HOLE_NOACCESS)
constexpr DWORD holeProtection = PAGE_NOACCESS;
#elif defined(VELQUIST_IMAGE_HOLE_GUARD)
constexpr DWORD holeProtection = PAGE_READWRITE | PAGE_GUARD;
#else
constexpr DWORD holeProtection = 0;  // the page stays as the loader made it
#endif

}  // namespace

__attribute__((used)) ImageArea entityPoolArea = {
    {}, {0x4C, 0x8B, 0x0D, 0x00, 0x00, 0x00, 0x00, 0x44, 0x8B, 0xC1, 0x49, 0x8B, 0x41, 0x08}};
__attribute__((used)) void* entityPoolVariable = nullptr;

int main(int argc, char** argv) {
    volatile uint8_t* const code = entityPoolArea.code;
    const auto end = reinterpret_cast<intptr_t>(&code[7]);
    const auto displacement =
        static_cast<int32_t>(reinterpret_cast<intptr_t>(&entityPoolVariable) - end);
    uint8_t bytes[4];
    std::memcpy(bytes, &displacement, sizeof bytes);
    for (int i = 0; i < 4; ++i)
        code[3 + i] = bytes[i];
    void* const hole = const_cast<uint8_t*>(entityPoolArea.page);
    // The page as protected now, and as found when the run ends.
    MEMORY_BASIC_INFORMATION before{}, after{};
    DWORD old = 0;
    if (holeProtection != 0 && (!VirtualProtect(hole, pageBytes, holeProtection, &old) ||
                                VirtualQuery(hole, &before, sizeof before) == 0)) {
        std::fprintf(stderr, "velquist-host: cannot protect the page before the instruction\n");
        return 1;
    }
    const int status = velquistSimMain(argc, argv, &entityPoolVariable);
    // A guard page is used up by one touch: the plug-in must have left it alone.
    if (holeProtection != 0 &&
        (VirtualQuery(hole, &after, sizeof after) == 0 || after.Protect != before.Protect)) {
        std::fprintf(stderr, "velquist-host: the page before the instruction was touched\n");
        return 1;
    }
    return status;
}
