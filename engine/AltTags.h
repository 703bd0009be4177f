#pragma once
// The tag insertion engine's text transformation: every "<img " tag without an alt
// attribute receives `alt="<phrase>" `, the phrase drawn at random for each tag.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Random.h"

namespace pelmar {

using PhraseList = std::vector<std::string>;

struct AltTagResult {
    std::string text;
    std::int32_t count = 0;
};

// Gives the text that applying the steps one tag after another would give, in time
// linear in the text's length (the text is copied once instead of shifted at every
// insertion). Beyond the plain steps: a "<img " inside an attribute this call inserted is
// never matched; a tag with no double quote followed by a space gets its attribute right
// after "<img "; a "<img " with no ">" after it is left alone and not counted. Bytes of
// every value, NUL included, pass through unchanged.
AltTagResult InsertAltTags(std::string_view text, const PhraseList& phrases, RandomGenerator& random);

}  // namespace pelmar
