#pragma once
// The encoder's ring buffer with a binary search tree over its positions, ordered by
// the F bytes that start there, so that the longest earlier match of the text at a
// position is found by one descent.

#include <array>
#include <cstdint>

#include "skin/LzhModel.h"

namespace lzh {

class MatchTree {
 public:
  MatchTree();

  // The ring buffer; the first F - 1 positions are mirrored past its end so that
  // comparisons never wrap.
  std::uint8_t& At(int position) { return text_[position]; }
  void Store(int position, std::uint8_t byte);

  // Adds position r and records the longest match of the text there among the
  // positions in the tree (nearest one among equals).
  void Insert(int r);
  void Remove(int p);

  int MatchPosition() const { return matchPosition_; }  // distance − 1
  int MatchLength() const { return matchLength_; }

 private:
  static constexpr int NIL = N;
  void ReplaceNode(int p, int r);

  std::array<std::uint8_t, N + F - 1> text_{};
  std::array<int, N + 1> left_{};
  std::array<int, N + 257> right_{};  // N + 1 + byte: the root of that byte's tree
  std::array<int, N + 1> parent_{};
  int matchPosition_ = 0;
  int matchLength_ = 0;
};

}  // namespace lzh
