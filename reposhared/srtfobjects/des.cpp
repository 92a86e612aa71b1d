// CDES: DES block cipher, single and two-key triple DES, ECB.
//
// The standard tables (IP, E, P, PC1, PC2, S-boxes) are written below as
// FIPS 46-3 numbers them: bit 1 is the most significant bit of a block.
// At first use they are folded into lookup tables: the initial and final
// permutations become eight 256-entry tables each (one per input byte), and
// each S-box is merged with the permutation P into a 64-entry table, so one
// step costs eight lookups. The key schedule uses the plain bit tables; it
// runs once per key.
#include "des.h"

#include <array>
#include <cstddef>

namespace {

const uint8_t kInitialPermutation[64] = {
    58, 50, 42, 34, 26, 18, 10, 2, 60, 52, 44, 36, 28, 20, 12, 4,
    62, 54, 46, 38, 30, 22, 14, 6, 64, 56, 48, 40, 32, 24, 16, 8,
    57, 49, 41, 33, 25, 17, 9,  1, 59, 51, 43, 35, 27, 19, 11, 3,
    61, 53, 45, 37, 29, 21, 13, 5, 63, 55, 47, 39, 31, 23, 15, 7};

const uint8_t kPermutationP[32] = {
    16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
    2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25};

// Permuted choice 1: the first 28 entries give C, the last 28 give D.
const uint8_t kPermutedChoice1[56] = {
    57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
    10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
    63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
    14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};

const uint8_t kPermutedChoice2[48] = {
    14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10,
    23, 19, 12, 4,  26, 8,  16, 7,  27, 20, 13, 2,
    41, 52, 31, 37, 47, 55, 30, 40, 51, 45, 33, 48,
    44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32};

// Left shifts of C and D before steps 1 to 16.
const uint8_t kShifts[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};

const uint8_t kSBoxes[8][4][16] = {
    {{14, 4, 13, 1, 2, 15, 11, 8, 3, 10, 6, 12, 5, 9, 0, 7},
     {0, 15, 7, 4, 14, 2, 13, 1, 10, 6, 12, 11, 9, 5, 3, 8},
     {4, 1, 14, 8, 13, 6, 2, 11, 15, 12, 9, 7, 3, 10, 5, 0},
     {15, 12, 8, 2, 4, 9, 1, 7, 5, 11, 3, 14, 10, 0, 6, 13}},
    {{15, 1, 8, 14, 6, 11, 3, 4, 9, 7, 2, 13, 12, 0, 5, 10},
     {3, 13, 4, 7, 15, 2, 8, 14, 12, 0, 1, 10, 6, 9, 11, 5},
     {0, 14, 7, 11, 10, 4, 13, 1, 5, 8, 12, 6, 9, 3, 2, 15},
     {13, 8, 10, 1, 3, 15, 4, 2, 11, 6, 7, 12, 0, 5, 14, 9}},
    {{10, 0, 9, 14, 6, 3, 15, 5, 1, 13, 12, 7, 11, 4, 2, 8},
     {13, 7, 0, 9, 3, 4, 6, 10, 2, 8, 5, 14, 12, 11, 15, 1},
     {13, 6, 4, 9, 8, 15, 3, 0, 11, 1, 2, 12, 5, 10, 14, 7},
     {1, 10, 13, 0, 6, 9, 8, 7, 4, 15, 14, 3, 11, 5, 2, 12}},
    {{7, 13, 14, 3, 0, 6, 9, 10, 1, 2, 8, 5, 11, 12, 4, 15},
     {13, 8, 11, 5, 6, 15, 0, 3, 4, 7, 2, 12, 1, 10, 14, 9},
     {10, 6, 9, 0, 12, 11, 7, 13, 15, 1, 3, 14, 5, 2, 8, 4},
     {3, 15, 0, 6, 10, 1, 13, 8, 9, 4, 5, 11, 12, 7, 2, 14}},
    {{2, 12, 4, 1, 7, 10, 11, 6, 8, 5, 3, 15, 13, 0, 14, 9},
     {14, 11, 2, 12, 4, 7, 13, 1, 5, 0, 15, 10, 3, 9, 8, 6},
     {4, 2, 1, 11, 10, 13, 7, 8, 15, 9, 12, 5, 6, 3, 0, 14},
     {11, 8, 12, 7, 1, 14, 2, 13, 6, 15, 0, 9, 10, 4, 5, 3}},
    {{12, 1, 10, 15, 9, 2, 6, 8, 0, 13, 3, 4, 14, 7, 5, 11},
     {10, 15, 4, 2, 7, 12, 9, 5, 6, 1, 13, 14, 0, 11, 3, 8},
     {9, 14, 15, 5, 2, 8, 12, 3, 7, 0, 4, 10, 1, 13, 11, 6},
     {4, 3, 2, 12, 9, 5, 15, 10, 11, 14, 1, 7, 6, 0, 8, 13}},
    {{4, 11, 2, 14, 15, 0, 8, 13, 3, 12, 9, 7, 5, 10, 6, 1},
     {13, 0, 11, 7, 4, 9, 1, 10, 14, 3, 5, 12, 2, 15, 8, 6},
     {1, 4, 11, 13, 12, 3, 7, 14, 10, 15, 6, 8, 0, 5, 9, 2},
     {6, 11, 13, 8, 1, 4, 10, 7, 9, 5, 0, 15, 14, 2, 3, 12}},
    {{13, 2, 8, 4, 6, 15, 11, 1, 10, 9, 3, 14, 5, 0, 12, 7},
     {1, 15, 13, 8, 10, 3, 7, 4, 12, 5, 6, 11, 0, 14, 9, 2},
     {7, 11, 4, 1, 9, 12, 14, 2, 0, 6, 10, 13, 15, 3, 5, 8},
     {2, 1, 14, 7, 4, 10, 8, 13, 15, 12, 9, 0, 3, 5, 6, 11}}};

// Moves the bits of an inBits-wide value: output bit k (1 = most significant
// of outBits) is input bit table[k - 1] (1 = most significant of inBits).
uint64_t Permute(uint64_t in, int inBits, const uint8_t* table, int outBits) {
    uint64_t out = 0;
    for (int k = 0; k < outBits; ++k) {
        out <<= 1;
        out |= (in >> (inBits - table[k])) & 1u;
    }
    return out;
}

struct DesTables {
    uint64_t initial[8][256];  // initial permutation, one table per input byte
    uint64_t final[8][256];    // its inverse
    uint32_t sp[8][64];        // S-box i then P, indexed by the six input bits

    DesTables() {
        uint8_t inverse[64];
        for (int i = 0; i < 64; ++i) inverse[kInitialPermutation[i] - 1] = static_cast<uint8_t>(i + 1);
        for (int b = 0; b < 8; ++b) {
            for (int v = 0; v < 256; ++v) {
                const uint64_t in = static_cast<uint64_t>(v) << (56 - 8 * b);
                initial[b][v] = Permute(in, 64, kInitialPermutation, 64);
                final[b][v] = Permute(in, 64, inverse, 64);
            }
        }
        for (int box = 0; box < 8; ++box) {
            for (int v = 0; v < 64; ++v) {
                const int row = ((v >> 4) & 2) | (v & 1);
                const int column = (v >> 1) & 15;
                const uint64_t s = static_cast<uint64_t>(kSBoxes[box][row][column]) << (28 - 4 * box);
                sp[box][v] = static_cast<uint32_t>(Permute(s, 32, kPermutationP, 32));
            }
        }
    }
};

const DesTables& Tables() {
    static const DesTables tables;
    return tables;
}

// The weak-key table: every (C, D) pair whose halves are each one of eight
// 4-bit patterns repeated seven times.
struct KeyHalves {
    uint32_t c;
    uint32_t d;
};

constexpr uint32_t Repeat7(uint32_t pattern) {
    uint32_t v = 0;
    for (int i = 0; i < 7; ++i) v = (v << 4) | pattern;
    return v;
}

constexpr std::array<KeyHalves, 64> MakeWeakKeyTable() {
    constexpr uint32_t patterns[8] = {0x0, 0x3, 0x5, 0x6, 0x9, 0xA, 0xC, 0xF};
    std::array<KeyHalves, 64> table{};
    for (size_t i = 0; i < 8; ++i)
        for (size_t j = 0; j < 8; ++j) {
            table[i * 8 + j].c = Repeat7(patterns[i]);
            table[i * 8 + j].d = Repeat7(patterns[j]);
        }
    return table;
}

constexpr std::array<KeyHalves, 64> kWeakKeys = MakeWeakKeyTable();

uint64_t LoadBlock(const unsigned char* p) {
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v = (v << 8) | p[i];
    return v;
}

void StoreBlock(unsigned char* p, uint64_t v) {
    for (int i = 7; i >= 0; --i) {
        p[i] = static_cast<unsigned char>(v & 0xFF);
        v >>= 8;
    }
}

// The 56 key bits after permuted choice 1: C in bits 55..28, D in bits 27..0.
uint64_t KeyAfterPc1(const unsigned char* key) {
    return Permute(LoadBlock(key), 64, kPermutedChoice1, 56);
}

bool HalvesAreWeak(uint64_t cd) {
    const uint32_t c = static_cast<uint32_t>(cd >> 28) & 0x0FFFFFFF;
    const uint32_t d = static_cast<uint32_t>(cd) & 0x0FFFFFFF;
    for (const KeyHalves& weak : kWeakKeys)
        if (weak.c == c && weak.d == d) return true;
    return false;
}

uint32_t Rotate28(uint32_t v, int n) {
    return ((v << n) | (v >> (28 - n))) & 0x0FFFFFFF;
}

// The cipher function f(R, K) with its expansion E folded in: the eight
// six-bit groups of E(R) are windows of R taken cyclically, bits 32,1..5 for
// S-box 1, 4..9 for S-box 2, and so on to 28..32,1 for S-box 8.
uint32_t CipherFunction(const DesTables& t, uint32_t r, const uint32_t subkey[2]) {
    const uint64_t wide = (static_cast<uint64_t>(r & 1u) << 33) | (static_cast<uint64_t>(r) << 1) | (r >> 31);
    uint32_t f = 0;
    for (int box = 0; box < 4; ++box) {
        const uint32_t group = static_cast<uint32_t>(wide >> (28 - 4 * box)) & 63u;
        f |= t.sp[box][group ^ ((subkey[0] >> (18 - 6 * box)) & 63u)];
    }
    for (int box = 4; box < 8; ++box) {
        const uint32_t group = static_cast<uint32_t>(wide >> (28 - 4 * box)) & 63u;
        f |= t.sp[box][group ^ ((subkey[1] >> (18 - 6 * (box - 4))) & 63u)];
    }
    return f;
}

// 16 steps on (left, right), ending with the halves exchanged as the last
// step leaves them (the preoutput R16 L16), so that passes can be chained.
void SixteenSteps(const DesTables& t, uint32_t& left, uint32_t& right, const uint32_t (*schedule)[2]) {
    uint32_t l = left;
    uint32_t r = right;
    for (int step = 0; step < 16; ++step) {
        const uint32_t next = l ^ CipherFunction(t, r, schedule[step]);
        l = r;
        r = next;
    }
    left = r;
    right = l;
}

}  // namespace

CDES::CDES() : schedule1{}, schedule2{}, flags(0) {}

CDES::~CDES() { Clear(); }

bool CDES::IsWeakKey(const unsigned char* key) {
    return key != nullptr && HalvesAreWeak(KeyAfterPc1(key));
}

void CDES::BuildSchedule(Schedule& schedule, int direction, const unsigned char* key) {
    const uint64_t cd = KeyAfterPc1(key);
    uint32_t c = static_cast<uint32_t>(cd >> 28) & 0x0FFFFFFF;
    uint32_t d = static_cast<uint32_t>(cd) & 0x0FFFFFFF;
    for (int step = 0; step < 16; ++step) {
        c = Rotate28(c, kShifts[step]);
        d = Rotate28(d, kShifts[step]);
        const uint64_t joined = (static_cast<uint64_t>(c) << 28) | d;
        const uint64_t subkey = Permute(joined, 56, kPermutedChoice2, 48);
        const int slot = direction == kDecrypt ? 15 - step : step;
        schedule[slot][0] = static_cast<uint32_t>(subkey >> 24) & 0xFFFFFF;
        schedule[slot][1] = static_cast<uint32_t>(subkey) & 0xFFFFFF;
    }
}

void CDES::WipeSchedule(Schedule& schedule) {
    // Through a volatile pointer, so that wiping key material is not dropped
    // as a dead store when the object is about to die.
    volatile uint32_t* p = &schedule[0][0];
    for (int i = 0; i < 32; ++i) p[i] = 0;
}

int CDES::SetKey(int direction, const unsigned char* key) {
    flags &= ~(kKeySet | kTwoKey);
    if (key == nullptr || IsWeakKey(key)) return 0;
    BuildSchedule(schedule1, direction, key);
    flags |= kKeySet;
    return 1;
}

int CDES::SetKeys(int direction, const unsigned char* key1, const unsigned char* key2) {
    flags &= ~(kKeySet | kTwoKey);
    if (key1 == nullptr || key2 == nullptr || IsWeakKey(key1) || IsWeakKey(key2)) return 0;
    BuildSchedule(schedule1, direction, key1);
    BuildSchedule(schedule2, direction == kDecrypt ? kEncrypt : kDecrypt, key2);
    flags |= kKeySet | kTwoKey;
    return 1;
}

void CDES::Clear() {
    WipeSchedule(schedule1);
    WipeSchedule(schedule2);
    flags &= ~kKeySet;
}

int CDES::ProcessECB(unsigned char* out, const unsigned char* in, int length) {
    if ((flags & kKeySet) == 0 || length < 0 || length % 8 != 0) return 0;
    if (length > 0 && (out == nullptr || in == nullptr)) return 0;
    for (int offset = 0; offset < length; offset += 8) ProcessBlock(out + offset, in + offset);
    return 1;
}

void CDES::ProcessBlock(unsigned char* out, const unsigned char* in) const {
    const DesTables& t = Tables();
    uint64_t block = 0;
    for (int b = 0; b < 8; ++b) block |= t.initial[b][in[b]];

    uint32_t left = static_cast<uint32_t>(block >> 32);
    uint32_t right = static_cast<uint32_t>(block);
    SixteenSteps(t, left, right, schedule1);
    if (flags & kTwoKey) {
        SixteenSteps(t, left, right, schedule2);
        SixteenSteps(t, left, right, schedule1);
    }

    const uint64_t preoutput = (static_cast<uint64_t>(left) << 32) | right;
    uint64_t result = 0;
    for (int b = 0; b < 8; ++b) result |= t.final[b][(preoutput >> (56 - 8 * b)) & 0xFF];
    StoreBlock(out, result);
}
