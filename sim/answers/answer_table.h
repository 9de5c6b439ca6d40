// The answer table: what a stand-in for the game answers to each native, looked up by hash.
// Every host the plug-in runs against without the game answers through one: the simulated
// host (its world and its own records), the unit tests' fake game and the benchmarks' null
// host. An answer is fixed (result slots, or ints written through out-pointers) or a
// function of the call; a native without an answer is the host's to decide.
//
// The table is a fixed open-addressed array: no allocation when an answer is set or a
// native looked up, so the null host can time the plug-in alone.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/native_call.h"

namespace answers {

// Argument n of a call of count arguments; 0 past the last one.
inline uint64_t argument(const uint64_t* args, size_t count, size_t n) {
    return n < count ? args[n] : 0;
}

// One native call as the host sees it: the hash, the arguments as pushed and the result
// slots to fill. Reads and writes use the call builder's encodings.
class NativeCall {
  public:
    NativeCall(uint64_t hash, const uint64_t* args, size_t count, uint64_t* result,
               void* context = nullptr)
        : hash_(hash), args_(args), count_(count), result_(result), context_(context) {}

    uint64_t hash() const { return hash_; }
    size_t count() const { return count_; }
    // Argument n as pushed; 0 past the last one.
    uint64_t raw(size_t n) const { return argument(args_, count_, n); }
    int32_t i32(size_t n) const { return decoded<int32_t>(n); }
    bool b(size_t n) const { return decoded<bool>(n); }
    float f32(size_t n) const { return decoded<float>(n); }
    const char* text(size_t n) const { return decoded<const char*>(n); }
    template <class T>
    T* out(size_t n) const {
        return reinterpret_cast<T*>(static_cast<uintptr_t>(raw(n)));
    }
    // What the answer was set up with (answerWith's context), for functions that answer
    // from an object's fields.
    void* context() const { return context_; }

    void returnInt(int32_t v) { result_[0] = velquist::native::encode(v); }
    void returnBool(bool v) { result_[0] = velquist::native::encode(v); }
    void returnFloat(float v) { result_[0] = velquist::native::encode(v); }
    void returnText(const char* text) { result_[0] = velquist::native::encode(text); }
    // Floats at byte offsets 0, 8 and 16, as the game returns a vector.
    void returnVector(float x, float y, float z) {
        result_[0] = velquist::native::encode(x);
        result_[1] = velquist::native::encode(y);
        result_[2] = velquist::native::encode(z);
    }

  private:
    template <class R>
    R decoded(size_t n) const {
        const uint64_t slot = raw(n);
        return velquist::native::decode<R>(&slot);
    }

    uint64_t hash_ = 0;
    const uint64_t* args_ = nullptr;
    size_t count_ = 0;
    uint64_t* result_ = nullptr;  // at least 3 slots, zeroed by the host
    void* context_ = nullptr;
};

// Computes an answer from the call.
using Handler = void (*)(NativeCall& call);

struct Answer {
    uint64_t hash = 0;          // the native; 0 marks a free entry
    uint64_t result[3] = {};    // result slots, copied into the call's
    int outFirst = 0;           // the first argument written through by outs
    int outCount = 0;           // how many of outs are written (0 to 3)
    int32_t outs[3] = {};       // ints written through the out-pointer arguments
    Handler handler = nullptr;  // none: the fixed part is the whole answer
    void* context = nullptr;    // handed to the handler as call.context()
    bool slotsOnly = true;      // neither outs nor a handler: the slots are the answer
};

class AnswerTable {
  public:
    static constexpr size_t capacity = 128;  // a power of two, well above the ~50 natives

    // Forgets every answer.
    void clear();

    // Each of these replaces what the native answered before.
    void answerInt(uint64_t hash, int32_t value);
    void answerFloat(uint64_t hash, float value);
    void answerText(uint64_t hash, const char* text);
    void answerVector(uint64_t hash, float x, float y, float z);
    // The native writes these ints through its arguments from argument `first` on (out
    // parameters such as a colour's r, g and b); a null pointer is passed over.
    void answerOuts(uint64_t hash, int first, int32_t a, int32_t b, int32_t c = 0);
    // The native is answered by handler, which finds context in call.context().
    void answerWith(uint64_t hash, Handler handler, void* context = nullptr);

    // The native's answer, or null when it has none.
    const Answer* find(uint64_t hash) const {
        for (size_t i = slotOf(hash), n = 0; n < capacity; i = (i + 1) & (capacity - 1), ++n) {
            if (entries_[i].hash == hash) return &entries_[i];
            if (entries_[i].hash == 0) return nullptr;
        }
        return nullptr;
    }

    // Fills the result slots of a call of the answer's native from the answer. The slots
    // are copied inline, as the null host needs it; outs and handlers run out of line.
    static void respond(const Answer& answer, const uint64_t* args, size_t count,
                        uint64_t* result) {
        for (size_t i = 0; i < 3; ++i)
            result[i] = answer.result[i];
        if (!answer.slotsOnly) respondFurther(answer, args, count, result);
    }

    // Answers a call of the native hash into result (at least 3 slots, zeroed by the host)
    // when the native has an answer; returns whether it had one.
    bool answer(uint64_t hash, const uint64_t* args, size_t count, uint64_t* result) const {
        const Answer* a = find(hash);
        if (a) respond(*a, args, count, result);
        return a != nullptr;
    }

  private:
    static size_t slotOf(uint64_t hash) {
        return static_cast<size_t>((hash ^ (hash >> 29)) & (capacity - 1));
    }
    // The native's entry, emptied, or a free one taken for it.
    Answer& entry(uint64_t hash);
    // The outs and the handler of an answer that has them.
    static void respondFurther(const Answer& answer, const uint64_t* args, size_t count,
                               uint64_t* result);

    Answer entries_[capacity];
};

}  // namespace answers
