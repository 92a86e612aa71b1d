// CDES: the DES block cipher (FIPS 46-3) in ECB mode, single or two-key
// triple DES (encrypt-decrypt-encrypt with key1, key2, key1).
//
// - Blocks and keys are 8 bytes, byte 0 first (most significant). The key's
//   parity bits (bit 0 of each byte) are ignored.
// - SetKey / SetKeys build the key schedules for a direction (1 encrypt,
//   0 decrypt) and refuse a missing key or a weak key: one whose two 28-bit
//   halves after permuted choice 1 are each a 4-bit pattern repeated seven
//   times, the pattern one of 0000, 0011, 0101, 0110, 1001, 1010, 1100, 1111
//   (the 64 weak, semi-weak and possibly weak keys). A refusal leaves no key.
// - In two-key mode schedule2 is built for the opposite direction, so one
//   ProcessBlock runs E(k1) D(k2) E(k1) when enciphering and D(k1) E(k2) D(k1)
//   when deciphering.
// - ProcessECB refuses (returns 0, writes nothing) a length that is negative
//   or not a multiple of 8, and works only with a key set; out and in may be
//   the same buffer.
// - The schedules are wiped by Clear and by the destructor.
#ifndef SRTF_DES_H
#define SRTF_DES_H

#include <cstdint>

class CDES {
public:
    enum Flags {
        kKeySet = 1,  // a key schedule is ready
        kTwoKey = 2   // ProcessBlock runs three passes (schedule1, schedule2, schedule1)
    };
    enum Direction { kDecrypt = 0, kEncrypt = 1 };

    CDES();
    virtual ~CDES();

    CDES(const CDES&) = delete;
    CDES& operator=(const CDES&) = delete;

    // Single DES. Returns 1, or 0 when key is null or weak (then no key is set).
    int SetKey(int direction, const unsigned char* key);
    // Two-key triple DES. Returns 1, or 0 when either key is null or weak.
    int SetKeys(int direction, const unsigned char* key1, const unsigned char* key2);
    // Zeroes both schedules and drops the key.
    void Clear();
    // Runs every 8-byte block of in through ProcessBlock into out. Returns 1,
    // or 0 (nothing written) when no key is set, a pointer is null, or length
    // is negative or not a multiple of 8.
    int ProcessECB(unsigned char* out, const unsigned char* in, int length);
    // One block: initial permutation, the 16 steps with schedule1 (in two-key
    // mode then 16 with schedule2 and 16 with schedule1), final permutation.
    // out and in may be the same 8 bytes.
    void ProcessBlock(unsigned char* out, const unsigned char* in) const;

    int GetFlags() const { return flags; }

    // True for the 64 keys SetKey refuses.
    static bool IsWeakKey(const unsigned char* key);

private:
    // One subkey holds the 48 key bits of a step as two words of 24 bits:
    // word 0 the six-bit groups of S-boxes 1 to 4, word 1 those of 5 to 8.
    using Schedule = uint32_t[16][2];

    static void BuildSchedule(Schedule& schedule, int direction, const unsigned char* key);
    static void WipeSchedule(Schedule& schedule);

    Schedule schedule1;
    Schedule schedule2;
    int flags;
};

#endif  // SRTF_DES_H
