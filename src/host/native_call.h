// The native call builder: one game native call as nativeInit, one nativePush64 per
// argument, nativeCall, with the argument and result encodings the game expects.
//
//   int32_t / uint32_t  32-bit value zero-extended into the slot (-1 travels as 0xFFFFFFFF)
//   float               its 32-bit pattern in the low half of a zeroed slot
//   bool                0 or 1
//   const char*, T*     the 64-bit address (texts and out-parameters)
//
// Results are read from the returned slot: ints, bools and handles from the low 32 bits,
// floats from the low 32-bit pattern, texts as a pointer, vectors as floats at byte
// offsets 0, 8 and 16.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "host/script_hook.h"

namespace velquist::native {

struct Vector3 {
    float x = 0.0f;  // m/s or world units, as the native says
    float y = 0.0f;
    float z = 0.0f;
};

inline uint64_t encode(int32_t v) {
    return static_cast<uint32_t>(v);
}
inline uint64_t encode(uint32_t v) {
    return v;
}
inline uint64_t encode(bool v) {
    return v ? 1u : 0u;
}
inline uint64_t encode(float v) {
    uint32_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}
inline uint64_t encode(const char* text) {
    return reinterpret_cast<uintptr_t>(text);
}
template <class T>
inline uint64_t encode(T* out) {
    return reinterpret_cast<uintptr_t>(out);
}
// A double would be sent with the wrong width; every float argument must be a float.
uint64_t encode(double) = delete;
uint64_t encode(int64_t) = delete;

template <class R>
inline R decode(const uint64_t* slot);

template <>
inline int32_t decode<int32_t>(const uint64_t* slot) {
    return slot ? static_cast<int32_t>(static_cast<uint32_t>(*slot)) : 0;
}
template <>
inline uint32_t decode<uint32_t>(const uint64_t* slot) {
    return slot ? static_cast<uint32_t>(*slot) : 0u;
}
template <>
inline bool decode<bool>(const uint64_t* slot) {
    return slot && static_cast<uint32_t>(*slot) != 0;
}
template <>
inline float decode<float>(const uint64_t* slot) {
    if (!slot) return 0.0f;
    uint32_t bits = static_cast<uint32_t>(*slot);
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}
template <>
inline const char* decode<const char*>(const uint64_t* slot) {
    return slot ? reinterpret_cast<const char*>(static_cast<uintptr_t>(*slot)) : nullptr;
}
template <>
inline Vector3 decode<Vector3>(const uint64_t* slot) {
    Vector3 v;
    if (!slot) return v;
    const auto* bytes = reinterpret_cast<const unsigned char*>(slot);
    std::memcpy(&v.x, bytes + 0, sizeof(float));
    std::memcpy(&v.y, bytes + 8, sizeof(float));
    std::memcpy(&v.z, bytes + 16, sizeof(float));
    return v;
}

// Calls the native `hash` with `args` pushed in order and returns its result as R.
template <class R = void, class... Args>
inline R call(uint64_t hash, Args... args) {
    shv::nativeInit(hash);
    (shv::nativePush64(encode(args)), ...);
    uint64_t* slot = shv::nativeCall();
    if constexpr (!std::is_void_v<R>) {
        return decode<R>(slot);
    } else {
        (void)slot;
    }
}

}  // namespace velquist::native
