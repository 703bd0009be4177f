#include "skin/LzhMatchTree.h"

namespace lzh {

MatchTree::MatchTree() {
  right_.fill(NIL);
  parent_.fill(NIL);
}

void MatchTree::Store(int position, std::uint8_t byte) {
  text_[position] = byte;
  if (position < F - 1) text_[position + N] = byte;
}

void MatchTree::Insert(int r) {
  const std::uint8_t* key = &text_[r];
  int cmp = 1;
  int p = N + 1 + key[0];
  left_[r] = right_[r] = NIL;
  matchLength_ = 0;
  for (;;) {
    int& next = cmp >= 0 ? right_[p] : left_[p];
    if (next == NIL) {
      next = r;
      parent_[r] = p;
      return;
    }
    p = next;
    int i = 1;
    for (; i < F; ++i) {
      cmp = key[i] - text_[p + i];
      if (cmp != 0) break;
    }
    if (i > THRESHOLD) {
      const int position = ((r - p) & (N - 1)) - 1;
      if (i > matchLength_) {
        matchPosition_ = position;
        matchLength_ = i;
        if (i >= F) break;
      } else if (i == matchLength_ && position < matchPosition_) {
        matchPosition_ = position;
      }
    }
  }
  // A full match: r takes p's place, and p, never better than r again, leaves.
  ReplaceNode(p, r);
}

void MatchTree::ReplaceNode(int p, int r) {
  parent_[r] = parent_[p];
  left_[r] = left_[p];
  right_[r] = right_[p];
  parent_[left_[p]] = r;
  parent_[right_[p]] = r;
  if (right_[parent_[p]] == p) {
    right_[parent_[p]] = r;
  } else {
    left_[parent_[p]] = r;
  }
  parent_[p] = NIL;
}

void MatchTree::Remove(int p) {
  if (parent_[p] == NIL) return;
  int q;
  if (right_[p] == NIL) {
    q = left_[p];
  } else if (left_[p] == NIL) {
    q = right_[p];
  } else {
    // Two children: the rightmost node of the left subtree takes p's place.
    q = left_[p];
    if (right_[q] != NIL) {
      do {
        q = right_[q];
      } while (right_[q] != NIL);
      right_[parent_[q]] = left_[q];
      parent_[left_[q]] = parent_[q];
      left_[q] = left_[p];
      parent_[left_[p]] = q;
    }
    right_[q] = right_[p];
    parent_[right_[p]] = q;
  }
  parent_[q] = parent_[p];
  if (right_[parent_[p]] == p) {
    right_[parent_[p]] = q;
  } else {
    left_[parent_[p]] = q;
  }
  parent_[p] = NIL;
}

}  // namespace lzh
