#include "engine/Random.h"

namespace pelmar {

RandomGenerator& ProgramRandom() {
    static RandomGenerator generator;
    return generator;
}

}  // namespace pelmar
