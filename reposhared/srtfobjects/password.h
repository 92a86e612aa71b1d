// CPassword: turns a password into lower-case hexadecimal digits and back
// with CDES, and the section operations built on it.
//
// Cipher modes: 0 no cipher (text copied), 1 single DES with K1, 2 two-key
// triple DES with K1/K2, 3 single DES and 4 triple DES with keys folded with
// the seed (a time stamp): key1[i] = K1[i] ^ nibble[i], key2[i] = K2[i] ^
// nibble[7 - i], nibble[i] = bits 4i..4i+3 of the seed. Seed 0 makes mode 3
// equal to mode 1 and mode 4 equal to mode 2. Keys of modes 3 and 4 are built
// for each call and not kept.
//
// Encrypt enciphers the text and its terminating zero byte, padded with zero
// bytes to a multiple of 8, and writes two lower-case digits per byte.
// Decrypt takes digits of either case (a multiple of 16 of them), deciphers
// them and cuts the result at its first zero byte. A wrong seed is not
// detected: it deciphers to other bytes.
//
// Buffers are sized: out buffers come with their size and nothing is written
// beyond it. Limits: Encrypt takes at most 511 text bytes in modes 1 to 4,
// Decrypt at most 1024 digits; SrtfEncryptPassword takes at most 247 bytes
// (its digits go through a 512-byte text buffer). Beyond them the calls fail
// (-1, 113, 112) rather than write anything.
#ifndef SRTF_PASSWORD_H
#define SRTF_PASSWORD_H

#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "des.h"

class CPassword {
public:
    static const unsigned char K1[8];
    static const unsigned char K2[8];

    // Size of Encrypt's block buffer: a text of at most kBlockBufferSize - 1
    // bytes plus its zero byte.
    static constexpr int kBlockBufferSize = 512;
    // Decrypt deciphers at most this many bytes (twice as many digits).
    static constexpr int kMaxDecryptBytes = 512;

    CPassword();
    virtual ~CPassword();

    CPassword(const CPassword&) = delete;
    CPassword& operator=(const CPassword&) = delete;

    // Stores the mode, then SetSeed(seed).
    void SetMode(int mode, unsigned seed);
    // Stores the seed and splits it into its eight nibbles.
    void SetSeed(unsigned seed);
    int GetMode() const { return mode; }

    // Enciphers plain[0..length) and a zero byte. On success out holds the
    // digits (2 x length of them after padding) and a zero byte, length and
    // the result are the number of enciphered bytes. In mode 0 out gets the
    // text and its zero byte and the result is length + 1. An empty text gives
    // the empty out text and 0. Failure (mode outside 0 to 4, weak key, text
    // too long, outSize too small, negative length): -1, length = -1, out
    // empty when outSize allows.
    int Encrypt(char* out, int outSize, const char* plain, int& length);

    // Deciphers length hexadecimal digits of hexText into out (zero
    // terminated). Result and length: the length of the text up to its first
    // zero byte (0 for an empty input; in mode 0 the digits are copied and the
    // result is length). Failure (mode outside 0 to 4, a count of digits that
    // is not a multiple of 16 or above 1024, a character that is not a
    // hexadecimal digit, weak key, outSize too small): -1, length = -1, out
    // empty when outSize allows.
    int Decrypt(char* out, int outSize, const char* hexText, int& length);

    // Sets the cipher's keys for the mode and direction (CDES::kEncrypt or
    // CDES::kDecrypt). Returns 1 when a key is set; 0 in mode 0 (the cipher is
    // cleared), for a mode outside 0 to 4 (nothing done) or a refused key.
    int SetupKeys(int direction);

private:
    std::unique_ptr<CDES> cipher;
    int mode;
    unsigned seed;
    unsigned char nibble[8];
};

// The section operations (CSectionBase::EncryptPassword / DecryptPassword
// call these with the section's password mode).
//
// SrtfEncryptPassword: an empty plain text gives out = "" and 0 without a
// stamp. Otherwise takes a stamp, enciphers with (passwordMode, stamp) and on
// success sets out to the digits and returns 0. Returns 113 when no stamp
// can be made or the cipher fails; out is then unchanged (stamp is set once
// it has been made).
int SrtfEncryptPassword(int passwordMode, const std::string& plain, std::string& out, int& stamp);

// SrtfDecryptPassword: out = the deciphered text, "" for an empty cipher
// text; 112 (and out = "") when the cipher fails.
int SrtfDecryptPassword(int passwordMode, const std::string& cipher, std::string& out, int stamp);

// The time stamp: seconds from 1970-01-01 00:00:00 local time until now,
// truncated to 32 bits. False when that local date cannot be converted.
bool SrtfPasswordStamp(int& stamp);

// The same for a given current time (the clock is a parameter so the zone
// arithmetic can be checked).
bool SrtfPasswordStampAt(std::time_t now, int& stamp);

// SrtfEncryptPassword with the stamp taken from stampSource instead of the
// clock (a false return means no stamp could be made).
int SrtfEncryptPasswordWithStamp(int passwordMode, const std::string& plain, std::string& out, int& stamp,
                                 const std::function<bool(int&)>& stampSource);

#endif  // SRTF_PASSWORD_H
