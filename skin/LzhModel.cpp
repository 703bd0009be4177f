#include "skin/LzhModel.h"

#include <algorithm>

namespace lzh {

namespace {
// Sits after the root so that the search for a node's new place always stops.
constexpr std::uint16_t kFrequencyGuard = 0xFFFF;
}  // namespace

HuffmanTree::HuffmanTree() {
  for (int i = 0; i < N_CHAR; ++i) {
    freq_[i] = 1;
    son_[i] = static_cast<std::uint16_t>(i + T);
    parent_[i + T] = static_cast<std::uint16_t>(i);
  }
  for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
    freq_[j] = static_cast<std::uint16_t>(freq_[i] + freq_[i + 1]);
    son_[j] = static_cast<std::uint16_t>(i);
    parent_[i] = parent_[i + 1] = static_cast<std::uint16_t>(j);
  }
  freq_[T] = kFrequencyGuard;
  parent_[R] = 0;
}

// Halves every leaf's frequency (rounding up) and builds the inner nodes again,
// keeping the node list sorted by frequency.
void HuffmanTree::Rebuild() {
  int leaves = 0;
  for (int i = 0; i < T; ++i) {
    if (son_[i] >= T) {
      freq_[leaves] = static_cast<std::uint16_t>((freq_[i] + 1) / 2);
      son_[leaves] = son_[i];
      ++leaves;
    }
  }
  for (int i = 0, j = N_CHAR; j < T; i += 2, ++j) {
    const std::uint16_t f = static_cast<std::uint16_t>(freq_[i] + freq_[i + 1]);
    int k = j - 1;
    while (f < freq_[k]) --k;
    ++k;
    std::copy_backward(freq_.begin() + k, freq_.begin() + j, freq_.begin() + j + 1);
    std::copy_backward(son_.begin() + k, son_.begin() + j, son_.begin() + j + 1);
    freq_[k] = f;
    son_[k] = static_cast<std::uint16_t>(i);
  }
  LinkParents();
}

void HuffmanTree::LinkParents() {
  for (int i = 0; i < T; ++i) {
    const int child = son_[i];
    parent_[child] = static_cast<std::uint16_t>(i);
    if (child < T) parent_[child + 1] = static_cast<std::uint16_t>(i);
  }
}

int HuffmanTree::PathTo(int symbol, Path& bits) const {
  int depth = 0;
  for (int node = LeafOf(symbol); node != R; node = parent_[node]) {
    bits[depth++] = static_cast<std::uint8_t>(node & 1);
  }
  std::reverse(bits.begin(), bits.begin() + depth);
  return depth;
}

// The list is sorted, so the run of nodes lighter than `weight` that starts at `from`
// is measured in doubling steps and then halved, not walked node by node: runs of equal
// frequencies, long while a stream's rare symbols are still being met, cost a few steps.
int HuffmanTree::LastLighter(int from, unsigned weight) const {
  int lighter = from;  // freq_[lighter] < weight
  int heavier = from;
  for (int step = 1;; step *= 2) {
    heavier = std::min(lighter + step, T);  // the guard at T outweighs every node
    if (freq_[heavier] >= weight) break;
    lighter = heavier;
  }
  while (heavier - lighter > 1) {
    const int middle = (lighter + heavier) / 2;
    (freq_[middle] < weight ? lighter : heavier) = middle;
  }
  return lighter;
}

void HuffmanTree::Update(int symbol) {
  if (freq_[R] == MAX_FREQ) Rebuild();
  int c = parent_[symbol + T];
  do {
    const unsigned k = ++freq_[c];
    // A node that now outweighs its right neighbours swaps places with the last of
    // the lighter ones, so that the list stays sorted.
    if (k > freq_[c + 1]) {
      const int l = LastLighter(c + 1, k);
      freq_[c] = freq_[l];
      freq_[l] = static_cast<std::uint16_t>(k);

      const int i = son_[c];
      parent_[i] = static_cast<std::uint16_t>(l);
      if (i < T) parent_[i + 1] = static_cast<std::uint16_t>(l);

      const int j = son_[l];
      son_[l] = static_cast<std::uint16_t>(i);
      parent_[j] = static_cast<std::uint16_t>(c);
      if (j < T) parent_[j + 1] = static_cast<std::uint16_t>(c);
      son_[c] = static_cast<std::uint16_t>(j);

      c = l;
    }
    c = parent_[c];
  } while (c != 0);
}

}  // namespace lzh
