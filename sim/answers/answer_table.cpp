// Setting up the answer table; the lookup and the answering are in the header, inline,
// for the hosts' per-call paths.
#include "answers/answer_table.h"

#include <cstdio>
#include <cstdlib>

namespace answers {

void AnswerTable::clear() {
    for (Answer& a : entries_)
        a = Answer{};
}

Answer& AnswerTable::entry(uint64_t hash) {
    size_t i = slotOf(hash);
    for (size_t n = 0; n < capacity; ++n, i = (i + 1) & (capacity - 1)) {
        if (entries_[i].hash == hash || entries_[i].hash == 0) {
            entries_[i] = Answer{};
            entries_[i].hash = hash;
            return entries_[i];
        }
    }
    // More natives than the table holds is a fault of the host's set-up, not of a run.
    std::fprintf(stderr, "answer table: more than %zu natives\n", capacity);
    std::abort();
}

void AnswerTable::answerInt(uint64_t hash, int32_t value) {
    entry(hash).result[0] = velquist::native::encode(value);
}

void AnswerTable::answerFloat(uint64_t hash, float value) {
    entry(hash).result[0] = velquist::native::encode(value);
}

void AnswerTable::answerText(uint64_t hash, const char* text) {
    entry(hash).result[0] = velquist::native::encode(text);
}

void AnswerTable::answerVector(uint64_t hash, float x, float y, float z) {
    Answer& a = entry(hash);
    a.result[0] = velquist::native::encode(x);
    a.result[1] = velquist::native::encode(y);
    a.result[2] = velquist::native::encode(z);
}

void AnswerTable::answerOuts(uint64_t hash, int first, int32_t a, int32_t b, int32_t c) {
    Answer& e = entry(hash);
    e.slotsOnly = false;
    e.outFirst = first;
    e.outCount = 3;
    e.outs[0] = a;
    e.outs[1] = b;
    e.outs[2] = c;
}

void AnswerTable::respondFurther(const Answer& answer, const uint64_t* args, size_t count,
                                 uint64_t* result) {
    for (int i = 0; i < answer.outCount; ++i) {
        const uint64_t out = argument(args, count, static_cast<size_t>(answer.outFirst + i));
        if (out != 0) *reinterpret_cast<int32_t*>(static_cast<uintptr_t>(out)) = answer.outs[i];
    }
    if (answer.handler) {
        NativeCall call(answer.hash, args, count, result, answer.context);
        answer.handler(call);
    }
}

void AnswerTable::answerWith(uint64_t hash, Handler handler, void* context) {
    Answer& a = entry(hash);
    a.slotsOnly = false;
    a.handler = handler;
    a.context = context;
}

}  // namespace answers
