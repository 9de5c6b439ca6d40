// velquist-host.exe: the simulator's command line, run from the stand-in ScriptHookV.dll,
// which loads the real Velquist.asi.
//
// This program stands for the game executable: the plug-in finds the entity pool by
// scanning the main module's image for the instruction below, which loads the pool's
// address from a variable addressed relative to the instruction's end.
#include <cstdint>
#include <cstring>

extern "C" __declspec(dllimport) int velquistSimMain(int argc, char** argv,
                                                     void** entityPoolVariable);

// mov r9, [rip + displacement]; mov r8d, ecx; mov rax, [r9 + 8]. The displacement is
// filled in at start, once the two addresses are known.
__attribute__((used)) volatile uint8_t entityPoolCode[14] = {
    0x4C, 0x8B, 0x0D, 0x00, 0x00, 0x00, 0x00, 0x44, 0x8B, 0xC1, 0x49, 0x8B, 0x41, 0x08};
__attribute__((used)) void* entityPoolVariable = nullptr;

int main(int argc, char** argv) {
    const auto end = reinterpret_cast<intptr_t>(&entityPoolCode[7]);
    const auto displacement =
        static_cast<int32_t>(reinterpret_cast<intptr_t>(&entityPoolVariable) - end);
    uint8_t bytes[4];
    std::memcpy(bytes, &displacement, sizeof bytes);
    for (int i = 0; i < 4; ++i)
        entityPoolCode[3 + i] = bytes[i];
    return velquistSimMain(argc, argv, &entityPoolVariable);
}
