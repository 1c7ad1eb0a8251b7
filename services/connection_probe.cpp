#include "services/connection_probe.h"

#include <atomic>

namespace {

// Layout of the word: state in bits 0-4, answered flags in bits 5-9, the
// requests in flight in bits 10-13, the test's number in bits 16-31.
enum : uint32_t {
    kStateMask = 0x1Fu,
    kAnsweredShift = 5,
    kAnsweredMask = 0x1Fu << kAnsweredShift,
    kInFlightShift = 10,
    kInFlightMask = 0xFu << kInFlightShift,
    kGenerationShift = 16,
    kGenerationMask = 0xFFFFu,
};

std::atomic<uint32_t> probeWord{kStateNothingKnown};

uint32_t GenerationOf(uint32_t word) {
    return word >> kGenerationShift;
}

int InFlightOf(uint32_t word) {
    return static_cast<int>((word & kInFlightMask) >> kInFlightShift);
}

uint32_t Compose(uint32_t generation, uint32_t state, uint32_t answered, int inFlight) {
    return ((generation & kGenerationMask) << kGenerationShift) |
           (static_cast<uint32_t>(inFlight) << kInFlightShift) | (answered & kAnsweredMask) |
           (state & kStateMask);
}

// Applies `change` to the word as long as it still belongs to `generation`.
template <typename Change> void UpdateForGeneration(uint32_t generation, Change change) {
    uint32_t word = probeWord.load();
    for (;;) {
        if (GenerationOf(word) != (generation & kGenerationMask)) return;
        const uint32_t next = change(word);
        if (next == word || probeWord.compare_exchange_weak(word, next)) return;
    }
}

} // namespace

uint32_t ConnectionState() {
    return probeWord.load() & kStateMask;
}

int AnsweredCount() {
    uint32_t answered = (probeWord.load() & kAnsweredMask) >> kAnsweredShift;
    int count = 0;
    for (; answered != 0; answered &= answered - 1)
        ++count;
    return count;
}

int RequestsInFlight() {
    return InFlightOf(probeWord.load());
}

uint32_t ProbeGeneration() {
    return GenerationOf(probeWord.load());
}

void SetConnectionState(uint32_t state) {
    uint32_t word = probeWord.load();
    while (!probeWord.compare_exchange_weak(word, Compose(GenerationOf(word) + 1, state, 0, 0))) {
    }
}

void EndProbeTest() {
    uint32_t word = probeWord.load();
    while (!probeWord.compare_exchange_weak(
        word, Compose(GenerationOf(word) + 1, word & kStateMask, word & kAnsweredMask, 0))) {
    }
}

uint32_t BeginProbeTest(int requests) {
    if (requests < 0) requests = 0;
    if (requests > kProbeAddressCount) requests = kProbeAddressCount;
    uint32_t word = probeWord.load();
    uint32_t next;
    do {
        next = Compose(GenerationOf(word) + 1, kStateLanUpTesting, 0, requests);
    } while (!probeWord.compare_exchange_weak(word, next));
    const uint32_t generation = GenerationOf(next);
    if (requests == 0) SetConnectionState(kStateLanUpInternetDown);
    return generation;
}

void ProbeRequestNotStarted(uint32_t generation) {
    ProbeCompleted(generation, -1);
}

void ProbeAnswered(uint32_t generation, int index) {
    if (index < 0 || index >= kProbeAddressCount) return;
    UpdateForGeneration(generation, [index](uint32_t word) {
        const uint32_t answered = (word & kAnsweredMask) | (1u << (kAnsweredShift + index));
        return Compose(GenerationOf(word), kStateLanUpInternetUp, answered, InFlightOf(word));
    });
}

void ProbeCompleted(uint32_t generation, int index) {
    if (index >= kProbeAddressCount) return;
    UpdateForGeneration(generation, [](uint32_t word) {
        int inFlight = InFlightOf(word);
        if (inFlight > 0) --inFlight;
        uint32_t state = word & kStateMask;
        if (inFlight == 0 && state != kStateLanUpInternetUp) state = kStateLanUpInternetDown;
        return Compose(GenerationOf(word), state, word & kAnsweredMask, inFlight);
    });
}
