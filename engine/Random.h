#pragma once
// The program's pseudo-random generator: a 32-bit linear congruential state advanced as
// state × 134775813 + 1 (mod 2^32). Runs reseed it, so the same seed always gives the
// same phrases in the same places.

#include <cstdint>

namespace pelmar {

class RandomGenerator {
public:
    void Seed(std::uint32_t state) { state_ = state; }
    std::uint32_t State() const { return state_; }

    // Advances the state, then gives floor(count × state / 2^32): an index below `count`,
    // or 0 when `count` is 0.
    std::uint32_t Draw(std::uint32_t count) {
        state_ = state_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(count) * state_) >> 32);
    }

private:
    std::uint32_t state_ = 0;
};

// The one generator that the program's runs share.
RandomGenerator& ProgramRandom();

}  // namespace pelmar
