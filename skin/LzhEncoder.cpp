#include "skin/LzhEncoder.h"

#include <memory>

#include "skin/LzhMatchTree.h"
#include "skin/LzhModel.h"

namespace {

using namespace lzh;

// Collects bits most significant first and appends whole bytes to the output.
class BitWriter {
 public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void Put(unsigned bits, int count) {  // the low count bits of bits
    for (int k = count - 1; k >= 0; --k) PutBit((bits >> k) & 1U);
  }

  void PutBit(unsigned bit) {
    pending_ = static_cast<std::uint8_t>((pending_ << 1) | bit);
    if (++pendingCount_ == 8) {
      out_.push_back(pending_);
      pending_ = 0;
      pendingCount_ = 0;
    }
  }

  void Flush() {
    if (pendingCount_ > 0) Put(0, 8 - pendingCount_);
  }

 private:
  std::vector<std::uint8_t>& out_;
  std::uint8_t pending_ = 0;
  int pendingCount_ = 0;
};

class Encoder {
 public:
  explicit Encoder(std::vector<std::uint8_t>& out) : bits_(out) {}

  void Run(std::span<const std::uint8_t> input);

 private:
  void EncodeChar(int symbol);
  void EncodePosition(int position);
  int NextByte(std::span<const std::uint8_t> input);

  BitWriter bits_;
  HuffmanTree tree_;
  MatchTree ring_;
  std::size_t consumed_ = 0;
};

void Encoder::EncodeChar(int symbol) {
  HuffmanTree::Path path;
  const int depth = tree_.PathTo(symbol, path);
  for (int k = 0; k < depth; ++k) bits_.PutBit(path[k]);
  tree_.Update(symbol);
}

void Encoder::EncodePosition(int position) {
  const int upper = position >> 6;
  const int length = kPositionCode.length[upper];
  bits_.Put(kPositionCode.code[upper] >> (8 - length), length);
  bits_.Put(static_cast<unsigned>(position & 0x3F), 6);
}

int Encoder::NextByte(std::span<const std::uint8_t> input) {
  return consumed_ < input.size() ? input[consumed_++] : -1;
}

void Encoder::Run(std::span<const std::uint8_t> input) {
  int s = 0;
  int r = N - F;
  for (int i = s; i < r; ++i) ring_.Store(i, kRingFill);
  int len = 0;
  for (int c; len < F && (c = NextByte(input)) >= 0; ++len) {
    ring_.Store(r + len, static_cast<std::uint8_t>(c));
  }
  for (int i = 1; i <= F; ++i) ring_.Insert(r - i);
  ring_.Insert(r);

  while (len > 0) {
    int matchLength = std::min(ring_.MatchLength(), len);
    if (matchLength <= THRESHOLD) {
      matchLength = 1;
      EncodeChar(ring_.At(r));
    } else {
      EncodeChar(255 - THRESHOLD + matchLength);
      EncodePosition(ring_.MatchPosition());
    }
    // Slide the window past the bytes just coded, reading new ones while they last.
    for (int i = 0; i < matchLength; ++i) {
      ring_.Remove(s);
      const int c = NextByte(input);
      if (c >= 0) ring_.Store(s, static_cast<std::uint8_t>(c));
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      if (c >= 0 || --len > 0) ring_.Insert(r);
    }
  }
  bits_.Flush();
}

}  // namespace

std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> input) {
  std::vector<std::uint8_t> out;
  out.reserve(input.size() / 2 + 16);
  auto encoder = std::make_unique<Encoder>(out);  // its tables are too big for the stack
  encoder->Run(input);
  return out;
}
