// IpFmtRead: cuts an SRTF file into section headers and record lines.
//
// GetToken is the character state machine (Header, Symbol, Equal, Comment,
// Endfile, Semicolon); ReadRecord reads the value after "=" in chunks of at
// most 255 bytes until a ";" stands directly before a line end with every
// double quote closed. The value keeps its quotes; the caller splits it.
#ifndef SRTF_IPFMTREAD_H
#define SRTF_IPFMTREAD_H

#include <string>

#include "ipiobase.h"

class IpFmtRead : public IpIoBase {
public:
    enum TokenKind {
        TokHeader = 1,
        TokSymbol = 2,
        TokEqual = 3,
        TokComment = 4,
        TokEndfile = 5,
        TokSemicolon = 6,
        TokUnknown = 7
    };

    IpFmtRead() = default;
    explicit IpFmtRead(const std::string& path);

    int GetToken(std::string& text);
    static bool QuotesBalanced(const char* text);
    bool ReadSectionHeader(std::string& text);
    bool ReadRecord(std::string& recordType, std::string& value);
    long FindSection(const std::string& name, bool fromStart);
    bool NextToken(std::string& text);

private:
    // Appends the run of symbol bytes that stands next in the buffer.
    void TakeSymbolRun(std::string& text);

    std::string pushedHeader_;
    bool hasPushedHeader_ = false;
    std::string token_;  // ReadRecord's tokens, kept for its storage
};

#endif
