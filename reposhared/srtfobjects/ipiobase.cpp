// IpIoBase: a C runtime stream with its own read and write blocks, the
// CR LF <-> "\n" translation of text files and the FileError of every stream
// failure (errno, path, mode, catalogue message and line, this source file).
//
// The stream itself is opened in binary mode on every platform, so that the
// translation is done exactly once, here.
#include "ipiobase.h"

#include <cerrno>
#include <climits>
#include <cstring>

#include "platform/fileio.h"
#include "platform/systemerror.h"
#include "srtferrors.h"

namespace {

constexpr size_t kReadBlock = 64 * 1024;
constexpr size_t kWriteBlock = 64 * 1024;

bool g_simulatedSharingViolation = false;

const char kPrefixOpen[] = "IpIoBase: open() failed. Here is the error message: ";
const char kPrefixClose[] = "IpIoBase::close() failed. Here is the error message: ";
const char kPrefixFgetc[] = "IpIoBase::fgetc() failed. Here is the error message: ";
const char kPrefixFgets[] = "IpIoBase::fgets() failed. Here is the error message: ";
const char kPrefixUngetc[] = "IpIoBase::ungetc() failed. Here is the error message: ";
const char kPrefixFputc[] = "IpIoBase::fputc() failed. Here is the error message: ";
const char kPrefixFputs[] = "IpIoBase::fputs() failed. Here is the error message: ";

// The mode for fopen: binary, since "\n" <-> CR LF is done by this class.
std::string StreamMode(const std::string& mode) {
    std::string result;
    for (char c : mode)
        if (c != 't' && c != 'b') result += c;
    result += 'b';
    return result;
}

}  // namespace

void SrtfSetSimulatedSharingViolation(bool on) { g_simulatedSharingViolation = on; }

IpIoBase::SavedError IpIoBase::SavedError::Now() { return SavedError{errno, PlatformLastError()}; }

void IpIoBase::SavedError::Restore() const {
    PlatformSetLastError(systemError);
    errno = err;
}

IpIoBase::IpIoBase() = default;

IpIoBase::IpIoBase(const std::string& path, const std::string& mode) { open(path, mode); }

IpIoBase::~IpIoBase() {
    try {
        close();
    } catch (...) {
        // A destructor reports nothing; the caller's own close reports.
    }
}

FILE* IpIoBase::open(const std::string& path, const std::string& mode) {
    if (!notOpen_) {
        // Not done by any caller; release the old file quietly.
        FlushWrite();
        std::fclose(stream_);
        stream_ = nullptr;
        notOpen_ = 1;
    }
    ResetBuffers();
    FILE* stream = PlatformOpenFile(path, StreamMode(mode).c_str());
    path_ = path;
    mode_ = mode;
    if (!stream) RaiseStreamError(SrtfErr::kLineOpen, kPrefixOpen);
    stream_ = stream;
    notOpen_ = 0;
    return stream_;
}

void IpIoBase::close() {
    if (notOpen_) return;
    const bool flushFailed = FlushWrite() < 0;
    const SavedError flushError = writeError_;
    const int result = std::fclose(stream_);
    const SavedError closeError = SavedError::Now();
    stream_ = nullptr;
    notOpen_ = 1;
    ResetBuffers();
    if (result != 0 || flushFailed) {
        (result != 0 ? closeError : flushError).Restore();
        RaiseStreamError(SrtfErr::kLineClose, kPrefixClose);
    }
}

void IpIoBase::ResetBuffers() {
    rpos_ = rlen_ = 0;
    readError_ = false;
    readErrorCode_ = SavedError();
    pushback_ = -1;
    pushbackRaw_ = 0;
    lastChar_ = -1;
    lastRaw_ = 1;
    wlen_ = 0;
    writeError_ = SavedError();
    writing_ = false;
}

// ---- reading ----

void IpIoBase::PrepareRead() {
    if (!writing_) return;
    FlushWrite();
    std::fflush(stream_);
    writing_ = false;
}

size_t IpIoBase::Refill() {
    if (readError_) return 0;
    PrepareRead();
    if (!rbuf_) rbuf_.reset(new char[kReadBlock]);
    const size_t keep = rlen_ - rpos_;
    if (keep) std::memmove(rbuf_.get(), rbuf_.get() + rpos_, keep);
    rpos_ = 0;
    rlen_ = keep;
    const size_t got = std::fread(rbuf_.get() + keep, 1, kReadBlock - keep, stream_);
    rlen_ += got;
    if (got == 0 && std::ferror(stream_)) {
        readError_ = true;
        readErrorCode_ = SavedError::Now();
    }
    return got;
}

int IpIoBase::ReadByte() {
    if (notOpen_) RaiseNotOpen(SrtfErr::kLineFgetc, kPrefixFgetc);
    if (pushback_ >= 0) {
        const int c = pushback_;
        pushback_ = -1;
        lastChar_ = c;
        lastRaw_ = pushbackRaw_;
        return c;
    }
    if (rpos_ == rlen_ && Refill() == 0) {
        if (readError_) {
            readErrorCode_.Restore();
            RaiseStreamError(SrtfErr::kLineFgetc, kPrefixFgetc);
        }
        return EOF;
    }
    int c = static_cast<unsigned char>(rbuf_[rpos_++]);
    int raw = 1;
    if (c == '\r') {
        // A read error while looking ahead leaves the CR alone; the error is
        // reported by the next read.
        if (rpos_ == rlen_) Refill();
        if (rpos_ < rlen_ && rbuf_[rpos_] == '\n') {
            ++rpos_;
            c = '\n';
            raw = 2;
        }
    }
    lastChar_ = c;
    lastRaw_ = raw;
    return c;
}

template <class Sink>
void IpIoBase::ReadLinePiece(size_t room, Sink put) {
    bool lineDone = false;
    bool failed = false;
    if (pushback_ >= 0 && room > 0) {
        const char byte = static_cast<char>(pushback_);
        put(&byte, 1);
        lastChar_ = pushback_;
        lastRaw_ = pushbackRaw_;
        lineDone = pushback_ == '\n';
        pushback_ = -1;
        --room;
    }
    while (!lineDone && room > 0) {
        const size_t avail = rlen_ - rpos_;
        if (avail == 0) {
            if (Refill() == 0) {
                failed = readError_;
                break;
            }
            continue;
        }
        const char* p = rbuf_.get() + rpos_;
        const size_t take = avail < room ? avail : room;
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', take));
        if (lf) {
            const size_t n = static_cast<size_t>(lf - p) + 1;
            if (n >= 2 && lf[-1] == '\r') {
                put(p, n - 2);
                put("\n", 1);
                lastRaw_ = 2;
            } else {
                put(p, n);
                lastRaw_ = 1;
            }
            rpos_ += n;
            lastChar_ = '\n';
            lineDone = true;
            break;
        }
        if (p[take - 1] == '\r') {
            if (take < avail) {
                if (p[take] == '\n') {
                    // CR LF is one byte of output: it still fits.
                    put(p, take - 1);
                    put("\n", 1);
                    rpos_ += take + 1;
                    lastChar_ = '\n';
                    lastRaw_ = 2;
                    lineDone = true;
                    break;
                }
                // a CR of its own: handed on below like any byte
            } else {
                // The CR is the last byte read so far; the next block decides
                // whether it begins a CR LF.
                const size_t before = take - 1;
                put(p, before);
                rpos_ += before;
                room -= before;
                if (Refill() == 0) {
                    if (readError_) {
                        failed = true;
                        break;
                    }
                    put("\r", 1);
                    ++rpos_;
                    --room;
                    lastChar_ = '\r';
                    lastRaw_ = 1;
                }
                continue;
            }
        }
        put(p, take);
        rpos_ += take;
        room -= take;
        lastChar_ = static_cast<unsigned char>(p[take - 1]);
        lastRaw_ = 1;
    }
    if (failed) {
        readErrorCode_.Restore();
        RaiseStreamError(SrtfErr::kLineFgets, kPrefixFgets);
    }
}

char* IpIoBase::fgets(char* buffer, int size) {
    if (notOpen_) RaiseNotOpen(SrtfErr::kLineFgets, kPrefixFgets);
    if (!buffer || size <= 0) return nullptr;
    char* out = buffer;
    ReadLinePiece(static_cast<size_t>(size) - 1, [&out](const char* p, size_t n) {
        std::memcpy(out, p, n);
        out += n;
    });
    *out = '\0';
    if (size == 1) return buffer;
    return out == buffer ? nullptr : buffer;
}

size_t IpIoBase::AppendLine(std::string& text, size_t room) {
    if (notOpen_) RaiseNotOpen(SrtfErr::kLineFgets, kPrefixFgets);
    const size_t before = text.size();
    ReadLinePiece(room, [&text](const char* p, size_t n) { text.append(p, n); });
    return text.size() - before;
}

int IpIoBase::ungetc(int c) {
    if (c == EOF) return EOF;
    if (notOpen_) RaiseNotOpen(SrtfErr::kLineUngetc, kPrefixUngetc);
    // One byte of push-back; a second one is refused as the C runtime may
    // refuse it, without setting the error indicator.
    if (pushback_ >= 0) return EOF;
    pushback_ = static_cast<unsigned char>(c);
    pushbackRaw_ = pushback_ == lastChar_ ? lastRaw_ : 1;
    lastChar_ = -1;
    return pushback_;
}

// ---- writing ----

void IpIoBase::PrepareWrite() {
    if (writing_) return;
    if (rlen_ != 0 || pushback_ >= 0) {
        // Give back the read-ahead: the stream must stand where the reader is.
        const int64_t position = LogicalPosition();
        rpos_ = rlen_ = 0;
        pushback_ = -1;
        if (position >= 0) PlatformSeek(stream_, position, SEEK_SET);
    }
    writing_ = true;
}

int IpIoBase::FlushWrite() {
    if (wlen_ == 0) return 0;
    const size_t n = wlen_;
    wlen_ = 0;
    if (std::fwrite(wbuf_.get(), 1, n, stream_) != n) {
        writeError_ = SavedError::Now();
        return -1;
    }
    return 0;
}

int IpIoBase::Put(const char* bytes, size_t n) {
    if (n <= kWriteBlock - wlen_) {
        std::memcpy(wbuf_.get() + wlen_, bytes, n);
        wlen_ += n;
        return 0;
    }
    if (FlushWrite() < 0) return -1;
    if (n >= kWriteBlock) {
        if (std::fwrite(bytes, 1, n, stream_) != n) {
            writeError_ = SavedError::Now();
            return -1;
        }
        return 0;
    }
    std::memcpy(wbuf_.get(), bytes, n);
    wlen_ = n;
    return 0;
}

int IpIoBase::WriteTranslated(const char* text, size_t n) {
    PrepareWrite();
    if (!wbuf_) wbuf_.reset(new char[kWriteBlock]);
    while (n > 0) {
        const char* lf = static_cast<const char*>(std::memchr(text, '\n', n));
        const size_t run = lf ? static_cast<size_t>(lf - text) : n;
        if (Put(text, run) < 0) return -1;
        if (!lf) break;
        if (Put("\r\n", 2) < 0) return -1;
        text += run + 1;
        n -= run + 1;
    }
    return 0;
}

int IpIoBase::fputc(int c) {
    if (notOpen_) RaiseNotOpen(SrtfErr::kLineFputc, kPrefixFputc);
    const char byte = static_cast<char>(c);
    if (WriteTranslated(&byte, 1) < 0) {
        writeError_.Restore();
        RaiseStreamError(SrtfErr::kLineFputc, kPrefixFputc);
    }
    return static_cast<unsigned char>(byte);
}

int IpIoBase::fputs(const char* text) {
    if (notOpen_) RaiseNotOpen(SrtfErr::kLineFputs, kPrefixFputs);
    if (WriteTranslated(text, std::strlen(text)) < 0) {
        writeError_.Restore();
        RaiseStreamError(SrtfErr::kLineFputs, kPrefixFputs);
    }
    return 0;
}

int IpIoBase::fputs(const std::string& text) { return fputs(text.c_str()); }

// ---- positioning ----

int64_t IpIoBase::LogicalPosition() {
    const int64_t position = PlatformTell(stream_);
    if (position < 0) return -1;
    int64_t logical = position + static_cast<int64_t>(wlen_) - static_cast<int64_t>(rlen_ - rpos_);
    if (pushback_ >= 0) logical -= pushbackRaw_;
    return logical < 0 ? 0 : logical;
}

int IpIoBase::fseek(long offset, int origin) {
    if (notOpen_) return -1;
    int64_t target = offset;
    if (origin == SEEK_CUR) {
        const int64_t position = LogicalPosition();
        if (position < 0) return -1;
        target += position;
        origin = SEEK_SET;
    }
    const bool flushFailed = FlushWrite() < 0;
    rpos_ = rlen_ = 0;
    pushback_ = -1;
    lastChar_ = -1;
    writing_ = false;
    if (flushFailed) return -1;
    return PlatformSeek(stream_, target, origin);
}

long IpIoBase::ftell() {
    if (notOpen_) return 0;
    const int64_t position = LogicalPosition();
    // A position that long cannot hold (beyond 2 GB where long has 32 bits)
    // fails as the C runtime's ftell fails.
    if (position < 0 || position > static_cast<int64_t>(LONG_MAX)) return 0;
    return static_cast<long>(position);
}

// ---- errors ----

std::string IpIoBase::SystemErrorText() {
    const int code = PlatformLastError();
    if (g_simulatedSharingViolation || code == PlatformSharingViolationError()) return SrtfErr::kMsgSharingViolation;
    return PlatformSystemErrorText(code);
}

void IpIoBase::RaiseStreamError(int line, const char* prefix) {
    const std::string text = SystemErrorText();
    std::string message(prefix);
    message += text;
    FileError error(errno);
    error.SetPath(path_);
    error.SetMessage(message);
    error.SetMode(mode_);
    error.SetSourceFile(__FILE__);
    error.SetLine(line);
    throw error;
}

void IpIoBase::RaiseNotOpen(int line, const char* prefix) {
    SavedError{EBADF, PlatformBadHandleError()}.Restore();
    RaiseStreamError(line, prefix);
}
