#pragma once
// The plain LZH decoder, written as directly as the codec's description reads and as the
// published C loop does it: input pulled with getc and output pushed with putc one byte
// at a time, a 16-bit bit buffer refilled a byte at a time, the Huffman tree walked one
// bit per level, a 16-bit frequency table whose update scans for a node's new place one
// entry at a time. The skin decoder is measured against it, and the fuzz target checks
// that both give the same bytes.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

#include "skin/LzhModel.h"

namespace pelmar::bench {

class PlainLzhDecoder {
public:
    // Exactly byteCount bytes (none for 0 or less), input past its end reading as zero bits.
    std::vector<std::uint8_t> Decode(std::span<const std::uint8_t> input, std::int32_t byteCount) {
        std::uint8_t none = 0;
        infile_ = fmemopen(input.empty() ? &none : const_cast<std::uint8_t*>(input.data()), input.size(), "rb");
        char* output = nullptr;
        std::size_t outputSize = 0;
        outfile_ = open_memstream(&output, &outputSize);
        if (!infile_ || !outfile_)
            std::abort();
        decode(byteCount);
        std::fclose(infile_);
        std::fclose(outfile_);
        std::vector<std::uint8_t> bytes(output, output + outputSize);
        std::free(output);
        return bytes;
    }

private:
    static constexpr int N = lzh::N, F = lzh::F, THRESHOLD = lzh::THRESHOLD, N_CHAR = lzh::N_CHAR, T = lzh::T,
                         R = lzh::R;
    static constexpr unsigned MAX_FREQ = lzh::MAX_FREQ;

    void fill() {
        while (getlen_ <= 8) {
            int i = std::getc(infile_);
            if (i < 0)
                i = 0;
            getbuf_ = static_cast<std::uint16_t>(getbuf_ | (i << (8 - getlen_)));
            getlen_ = static_cast<std::uint8_t>(getlen_ + 8);
        }
    }

    int GetBit() {
        fill();
        int i = getbuf_ >> 15;
        getbuf_ = static_cast<std::uint16_t>(getbuf_ << 1);
        getlen_--;
        return i;
    }

    int GetByte() {
        fill();
        int i = getbuf_ >> 8;
        getbuf_ = static_cast<std::uint16_t>(getbuf_ << 8);
        getlen_ = static_cast<std::uint8_t>(getlen_ - 8);
        return i;
    }

    void StartHuff() {
        int i, j;
        for (i = 0; i < N_CHAR; i++) {
            freq_[i] = 1;
            son_[i] = static_cast<short>(i + T);
            prnt_[i + T] = static_cast<short>(i);
        }
        i = 0;
        j = N_CHAR;
        while (j <= R) {
            freq_[j] = static_cast<std::uint16_t>(freq_[i] + freq_[i + 1]);
            son_[j] = static_cast<short>(i);
            prnt_[i] = prnt_[i + 1] = static_cast<short>(j);
            i += 2;
            j++;
        }
        freq_[T] = 0xffff;
        prnt_[R] = 0;
    }

    void reconst() {
        int i, j, k;
        unsigned f, l;
        for (i = j = 0; i < T; i++) {
            if (son_[i] >= T) {
                freq_[j] = static_cast<std::uint16_t>((freq_[i] + 1) / 2);
                son_[j] = son_[i];
                j++;
            }
        }
        for (i = 0, j = N_CHAR; j < T; i += 2, j++) {
            k = i + 1;
            f = freq_[j] = static_cast<std::uint16_t>(freq_[i] + freq_[k]);
            for (k = j - 1; f < freq_[k]; k--) {
            }
            k++;
            l = static_cast<unsigned>(j - k) * 2;
            std::memmove(&freq_[k + 1], &freq_[k], l);
            freq_[k] = static_cast<std::uint16_t>(f);
            std::memmove(&son_[k + 1], &son_[k], l);
            son_[k] = static_cast<short>(i);
        }
        for (i = 0; i < T; i++) {
            if ((k = son_[i]) >= T)
                prnt_[k] = static_cast<short>(i);
            else
                prnt_[k] = prnt_[k + 1] = static_cast<short>(i);
        }
    }

    void update(int c) {
        int i, j, l;
        unsigned k;
        if (freq_[R] == MAX_FREQ)
            reconst();
        c = prnt_[c + T];
        do {
            k = ++freq_[c];
            if (k > freq_[l = c + 1]) {
                while (k > freq_[++l]) {
                }
                l--;
                freq_[c] = freq_[l];
                freq_[l] = static_cast<std::uint16_t>(k);
                i = son_[c];
                prnt_[i] = static_cast<short>(l);
                if (i < T)
                    prnt_[i + 1] = static_cast<short>(l);
                j = son_[l];
                son_[l] = static_cast<short>(i);
                prnt_[j] = static_cast<short>(c);
                if (j < T)
                    prnt_[j + 1] = static_cast<short>(c);
                son_[c] = static_cast<short>(j);
                c = l;
            }
        } while ((c = prnt_[c]) != 0);
    }

    int DecodeChar() {
        unsigned c = static_cast<unsigned>(son_[R]);
        while (c < T) {
            c += static_cast<unsigned>(GetBit());
            c = static_cast<unsigned>(son_[c]);
        }
        c -= T;
        update(static_cast<int>(c));
        return static_cast<int>(c);
    }

    int DecodePosition() {
        unsigned i, j, c;
        i = static_cast<unsigned>(GetByte());
        c = static_cast<unsigned>(lzh::kPositionCode.upper[i]) << 6;
        j = lzh::kPositionCode.codeLength[i];
        j -= 2;
        while (j--)
            i = (i << 1) + static_cast<unsigned>(GetBit());
        return static_cast<int>(c | (i & 0x3f));
    }

    // As the published loop, except that a match is cut at the byte count as ours is.
    void decode(std::int32_t textsize) {
        int i, j, k, r, c;
        std::int32_t count;
        StartHuff();
        for (i = 0; i < N - F; i++)
            text_buf_[i] = ' ';
        r = N - F;
        for (count = 0; count < textsize;) {
            c = DecodeChar();
            if (c < 256) {
                std::putc(c, outfile_);
                text_buf_[r++] = static_cast<std::uint8_t>(c);
                r &= (N - 1);
                count++;
            } else {
                i = (r - DecodePosition() - 1) & (N - 1);
                j = c - 255 + THRESHOLD;
                for (k = 0; k < j && count < textsize; k++) {
                    c = text_buf_[(i + k) & (N - 1)];
                    std::putc(c, outfile_);
                    text_buf_[r++] = static_cast<std::uint8_t>(c);
                    r &= (N - 1);
                    count++;
                }
            }
        }
    }

    std::FILE* infile_ = nullptr;
    std::FILE* outfile_ = nullptr;
    std::uint16_t getbuf_ = 0;
    std::uint8_t getlen_ = 0;
    std::uint8_t text_buf_[N + F - 1] = {};
    std::uint16_t freq_[T + 1] = {};
    short prnt_[T + N_CHAR] = {};
    short son_[T] = {};
};

}  // namespace pelmar::bench
