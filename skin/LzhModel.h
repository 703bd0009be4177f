#pragma once
// The shared half of the LZH codec: its parameters, the fixed code of the upper six
// bits of a match position, and the adaptive Huffman tree that encoder and decoder
// must update in lock step.

#include <array>
#include <cstdint>

namespace lzh {

constexpr int N = 4096;              // ring buffer size
constexpr int F = 60;                // longest match
constexpr int THRESHOLD = 2;         // matches are at least THRESHOLD + 1 bytes
constexpr int N_CHAR = 256 - THRESHOLD + F;  // literals and match lengths
constexpr int T = N_CHAR * 2 - 1;    // nodes of the Huffman tree
constexpr int R = T - 1;             // root node
constexpr unsigned MAX_FREQ = 0x8000;
constexpr std::uint8_t kRingFill = 0x20;  // the ring buffer starts as spaces

// A position's upper six bits are sent as a prefix code of 3 to 8 bits, code lengths in
// canonical order: one code of 3 bits, three of 4, eight of 5, twelve of 6, 24 of 7 and
// 16 of 8. The decoder looks the code up by the next eight bits of input.
struct PositionCode {
  std::array<std::uint8_t, 64> code{};   // upper six bits → code, left-aligned in a byte
  std::array<std::uint8_t, 64> length{};
  std::array<std::uint8_t, 256> upper{};      // next eight bits → upper six bits (d_code)
  std::array<std::uint8_t, 256> codeLength{}; // next eight bits → code length (d_len)
};

constexpr PositionCode MakePositionCode() {
  constexpr int kCodesPerLength[] = {0, 0, 0, 1, 3, 8, 12, 24, 16};
  PositionCode table;
  int next = 0;      // next free code, left-aligned in a byte
  int symbol = 0;
  for (int bits = 3; bits <= 8; ++bits) {
    for (int k = 0; k < kCodesPerLength[bits]; ++k, ++symbol) {
      table.code[symbol] = static_cast<std::uint8_t>(next);
      table.length[symbol] = static_cast<std::uint8_t>(bits);
      const int span = 1 << (8 - bits);
      for (int byte = next; byte < next + span; ++byte) {
        table.upper[byte] = static_cast<std::uint8_t>(symbol);
        table.codeLength[byte] = static_cast<std::uint8_t>(bits);
      }
      next += span;
    }
  }
  return table;
}

inline constexpr PositionCode kPositionCode = MakePositionCode();

// The adaptive Huffman tree. Nodes are kept in order of frequency; son[n] is the
// smaller child of an inner node (son[n] + 1 the bigger), or T + symbol for a leaf;
// parent[T + symbol] locates a symbol's leaf.
class HuffmanTree {
 public:
  HuffmanTree();

  // Counts one more occurrence of symbol, rebuilding the tree first when the
  // root's frequency has reached MAX_FREQ.
  void Update(int symbol);

  // The bits from the root to the symbol's leaf, 1 for the bigger (odd-numbered)
  // child; returns their number. Paths can be longer than 16 bits.
  using Path = std::array<std::uint8_t, T>;
  int PathTo(int symbol, Path& bits) const;

  int Son(int node) const { return son_[node]; }

 private:
  int LeafOf(int symbol) const { return parent_[symbol + T]; }
  int LastLighter(int from, unsigned weight) const;
  void Rebuild();
  void LinkParents();

  std::array<std::uint16_t, T + 1> freq_;
  std::array<std::uint16_t, T + N_CHAR> parent_;
  std::array<std::uint16_t, T> son_;
};

}  // namespace lzh
