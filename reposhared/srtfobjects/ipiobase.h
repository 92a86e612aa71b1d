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
// may first be reported there. ftell reports the logical position. fgetc
// hands out a buffered byte inline; AppendLine is fgets into a string.
#ifndef SRTF_IPIOBASE_H
#define SRTF_IPIOBASE_H

#include <cstdint>
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
    int fgetc() {
        // The common case inline: a buffered byte that is no CR, nothing pushed back.
        if (pushback_ < 0 && rpos_ < rlen_) {
            const unsigned char c = static_cast<unsigned char>(rbuf_[rpos_]);
            if (c != '\r') {
                ++rpos_;
                lastChar_ = c;
                lastRaw_ = 1;
                return c;
            }
        }
        return ReadByte();
    }
    char* fgets(char* buffer, int size);
    // What fgets(buffer, room + 1) reads, appended to text (zero bytes
    // included) instead of copied to a buffer; returns the number of bytes
    // appended, 0 at the end of the file. Raises as fgets does.
    size_t AppendLine(std::string& text, size_t room);
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
    // The buffered bytes that fgetc hands out next, as they stand in the
    // file: n of them at the result (n == 0 when none are buffered or a byte
    // is pushed back). SkipBuffered(k) takes the first k of them as k fgetc
    // calls would; none of them may be a CR.
    const char* BufferedRun(size_t& n) const {
        n = pushback_ < 0 ? rlen_ - rpos_ : 0;
        return rbuf_.get() + rpos_;
    }
    void SkipBuffered(size_t k) {
        rpos_ += k;
        lastChar_ = static_cast<unsigned char>(rbuf_[rpos_ - 1]);
        lastRaw_ = 1;
    }
    // Writes text with "\n" -> CR LF; returns -1 on a stream error (error
    // indicator set), otherwise a non-negative value.
    int WriteTranslated(const char* text, size_t n);
    // Throws the FileError of a stream failure with the given line and
    // message prefix (source file: this file).
    [[noreturn]] void RaiseStreamError(int line, const char* prefix);

private:
    // fgetc beyond its inline case.
    int ReadByte();
    // The body of fgets: hands at most room bytes of the line, CR LF turned
    // into "\n", to put(bytes, n) piece by piece; stops after a "\n" or at
    // the end of the file. Raises the fgets error on a read error.
    template <class Sink>
    void ReadLinePiece(size_t room, Sink put);
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
    int64_t LogicalPosition();
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
    // errno and the system's last error of a failure that is reported later.
    struct SavedError {
        int err = 0;
        int systemError = 0;
        static SavedError Now();
        void Restore() const;
    };
    bool readError_ = false;
    SavedError readErrorCode_;
    int pushback_ = -1;    // one byte of push-back
    int pushbackRaw_ = 0;  // file bytes the pushed-back byte stood for
    int lastChar_ = -1;    // last byte handed out, and the file bytes it took
    int lastRaw_ = 1;
    // Output already translated to CR LF, waiting for one large fwrite.
    std::unique_ptr<char[]> wbuf_;
    size_t wlen_ = 0;
    SavedError writeError_;
    bool writing_ = false;
};

// Seam for tests: when set, SystemErrorText reports the sharing-violation
// text as if the last error were a sharing violation.
void SrtfSetSimulatedSharingViolation(bool on);

#endif
