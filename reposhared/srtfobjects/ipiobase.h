// IpIoBase: one buffered file with the C runtime's operation names.
//
// Every stream failure becomes a FileError carrying errno, the path and mode
// given to open, the message of the catalogue with the system error text and
// the raising line. The end of the file is never a failure.
//
// Text mode is done here, below the reader and the writer: reading turns
// CR LF into "\n" (a lone CR stays), writing turns every "\n" into CR LF.
// A 0x1A byte is ordinary data (it does not end the input).
//
// Reading and writing go through blocks of our own (no lock per byte);
// pending output reaches the file at the latest in close, so a write error
// may first be reported there. ftell reports the logical position.
#ifndef SRTF_IPIOBASE_H
#define SRTF_IPIOBASE_H

#include <cstdio>
#include <memory>
#include <string>

class IpIoBase {
public:
    IpIoBase();
    IpIoBase(const std::string& path, const std::string& mode);
    ~IpIoBase();
    IpIoBase(const IpIoBase&) = delete;
    IpIoBase& operator=(const IpIoBase&) = delete;

    FILE* open(const std::string& path, const std::string& mode);
    void close();
    int fgetc();
    char* fgets(char* buffer, int size);
    int ungetc(int c);
    int fputc(int c);
    int fputs(const std::string& text);
    int fputs(const char* text);  // up to the first zero byte
    int fseek(long offset, int origin);
    long ftell();
    std::string SystemErrorText();

    const std::string& GetPath() const { return path_; }
    const std::string& GetMode() const { return mode_; }
    bool IsOpen() const { return notOpen_ == 0; }

protected:
    // Writes text with "\n" -> CR LF; returns -1 on a stream error (error
    // indicator set), otherwise a non-negative value.
    int WriteTranslated(const char* text, size_t n);
    // Throws the FileError of a stream failure with the given line and
    // message prefix (source file: this file).
    [[noreturn]] void RaiseStreamError(int line, const char* prefix);

private:
    // Moves the unread raw bytes (at most one) to the front of the read
    // buffer and reads the next block behind them; returns the bytes added,
    // 0 at the end of the file or after a read error (readError_).
    size_t Refill();
    // Writes the pending output bytes to the stream; -1 on a stream error.
    int FlushWrite();
    // Appends bytes to the pending output; -1 on a stream error.
    int Put(const char* bytes, size_t n);
    // Switches the stream between reading and writing (drops read-ahead,
    // flushes pending output) as the C runtime requires.
    void PrepareRead();
    void PrepareWrite();
    // File position of the next byte to read or write, -1 when unknown.
    long LogicalPosition();
    // Forgets buffered input and output state (not the stream).
    void ResetBuffers();
    [[noreturn]] void RaiseNotOpen(int line, const char* prefix);

    int notOpen_ = 1;
    FILE* stream_ = nullptr;
    std::string path_;
    std::string mode_;
    // Read-ahead of raw file bytes; CR LF is turned into "\n" as bytes are
    // handed out by fgetc/fgets.
    std::unique_ptr<char[]> rbuf_;
    size_t rpos_ = 0, rlen_ = 0;
    bool readError_ = false;
    int readErrno_ = 0;
    int pushback_ = -1;    // one byte of push-back
    int pushbackRaw_ = 0;  // file bytes the pushed-back byte stood for
    int lastChar_ = -1;    // last byte handed out, and the file bytes it took
    int lastRaw_ = 1;
    // Output already translated to CR LF, waiting for one large fwrite.
    std::unique_ptr<char[]> wbuf_;
    size_t wlen_ = 0;
    int writeErrno_ = 0;
    bool writing_ = false;
};

// Seam for tests: when set, SystemErrorText reports the sharing-violation
// text as if the last error were a sharing violation.
void SrtfSetSimulatedSharingViolation(bool on);

#endif
