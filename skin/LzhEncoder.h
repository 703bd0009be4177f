#pragma once
// Our LZHUF encoder: the same ring buffer, match lengths, position code and adaptive
// Huffman tree as TLZH, so that TLZH reads its streams back byte for byte.

#include <cstdint>
#include <span>
#include <vector>

// Returns the compressed bits of input, without any size header; decoding them needs
// the input's length.
std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> input);
