// Helpers of the Windows test programs: file bytes by UTF-16 name, text
// between UTF-8 and UTF-16, and a hook that reads and closes the message
// boxes that the code under test shows, so that nothing waits for a click.
#ifndef SRTF_WINDOWS_TEST_UTIL_H
#define SRTF_WINDOWS_TEST_UTIL_H

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace wintest {

inline std::string ReadWide(const std::wstring& path) {
    std::string bytes;
    if (FILE* f = _wfopen(path.c_str(), L"rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
        std::fclose(f);
    }
    return bytes;
}

inline std::wstring WideOf(const std::string& utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &w[0], n);
    return w;
}

inline std::string Utf8Of(const std::wstring& w) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), &s[0], n, nullptr, nullptr);
    return s;
}

// What the last message boxes showed.
struct BoxSeen {
    int count = 0;
    std::string text, caption;
    bool ok = false, cancel = false;
};

// While an object lives, every message box that this thread shows is read
// and closed with its OK button as soon as it is active.
class MessageBoxCloser {
public:
    MessageBoxCloser() {
        seen = BoxSeen();
        hook = SetWindowsHookExA(WH_CBT, &Hook, nullptr, GetCurrentThreadId());
    }
    ~MessageBoxCloser() {
        if (hook) UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
    MessageBoxCloser(const MessageBoxCloser&) = delete;
    MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

    bool Installed() const { return hook != nullptr; }
    const BoxSeen& Seen() const { return seen; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE) {
            HWND box = reinterpret_cast<HWND>(wParam);
            char className[64] = "";
            GetClassNameA(box, className, sizeof className);
            if (std::strcmp(className, "#32770") == 0) {  // the dialog class of message boxes
                char text[256] = "", caption[256] = "";
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's static text
                GetWindowTextA(box, caption, sizeof caption);
                seen.text = text;
                seen.caption = caption;
                seen.ok = GetDlgItem(box, IDOK) != nullptr;
                seen.cancel = GetDlgItem(box, IDCANCEL) != nullptr;
                ++seen.count;
                PostMessageA(box, WM_COMMAND, IDOK, 0);  // as if OK were clicked
            }
        }
        return CallNextHookEx(hook, code, wParam, lParam);
    }
    static inline HHOOK hook = nullptr;
    static inline BoxSeen seen;
};

}  // namespace wintest

#endif
