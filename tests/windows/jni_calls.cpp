// A stand-in for a JVM on Windows, which cannot run here: it loads
// tolvane.dll as System.loadLibrary does, finds every native method of
// SRTFNativeInterface and JNITest by the name a JVM looks up, and calls them
// with the JNI calling convention through a JNIEnv of its own. That JNIEnv
// offers the few string functions the library uses; any other function the
// library reaches for ends the program with a failure.
//
//   tolvane_jni_calls PATH\tolvane.dll FIXTURES-FOLDER
//
// It builds a document, saves it under a name beyond ASCII, reads it back
// and walks it, reads a server reply and walks its errors, reads a missing
// file, and calls the diagnostic method, whose message box it closes itself.
// Prints "ok - ..." or "FAIL - ..." per case and "N passed, M failed"; the
// exit status is 0 only when every case passed.
#include <windows.h>

#include <jni.h>

#include <JNITest.h>
#include <com_veltrane_repository_morlisk_client_service_internal_SRTFNativeInterface.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "windows_test_util.h"

#define SRTF_NATIVE(name) Java_com_veltrane_repository_morlisk_client_service_internal_SRTFNativeInterface_##name

namespace {

using wintest::ReadWide;
using wintest::Utf8Of;

// ---- the JNIEnv ----

// A Java string as the library sees it: its modified UTF-8 bytes.
struct FakeString {
    std::string utf;
};
std::deque<FakeString> g_strings;  // every string made, alive to the end
int g_charsOut = 0;                // GetStringUTFChars not yet released

jstring MakeString(std::string utf) {
    g_strings.push_back(FakeString{std::move(utf)});
    return reinterpret_cast<jstring>(&g_strings.back());
}
const std::string& TextOf(jstring s) { return reinterpret_cast<FakeString*>(s)->utf; }

const char* JNICALL GetStringUTFChars(JNIEnv*, jstring s, jboolean* isCopy) {
    if (isCopy) *isCopy = JNI_TRUE;
    const std::string& utf = TextOf(s);
    char* copy = new char[utf.size() + 1];
    std::memcpy(copy, utf.c_str(), utf.size() + 1);
    ++g_charsOut;
    return copy;
}
void JNICALL ReleaseStringUTFChars(JNIEnv*, jstring, const char* chars) {
    delete[] chars;
    --g_charsOut;
}
jstring JNICALL NewStringUTF(JNIEnv*, const char* utf) { return MakeString(utf ? utf : ""); }
jboolean JNICALL ExceptionCheck(JNIEnv*) { return JNI_FALSE; }

template <int N>
void JNICALL UnexpectedFunction() {
    std::printf("FAIL - the library called JNIEnv function %d, which this stand-in does not offer\n", N);
    std::fflush(stdout);
    ExitProcess(3);
}

constexpr int kSlots = sizeof(JNINativeInterface_) / sizeof(void*);
template <int... I>
void FillUnexpected(void** slots, std::integer_sequence<int, I...>) {
    ((slots[I] = reinterpret_cast<void*>(&UnexpectedFunction<I>)), ...);
}

JNINativeInterface_ g_functions;
JNIEnv_ g_env;
jobject const kThis = reinterpret_cast<jobject>(&g_env);  // the calling object, never looked at

JNIEnv* MakeEnv() {
    static_assert(sizeof(JNINativeInterface_) % sizeof(void*) == 0, "a table of pointers");
    FillUnexpected(reinterpret_cast<void**>(&g_functions), std::make_integer_sequence<int, kSlots>());
    g_functions.GetStringUTFChars = &GetStringUTFChars;
    g_functions.ReleaseStringUTFChars = &ReleaseStringUTFChars;
    g_functions.NewStringUTF = &NewStringUTF;
    g_functions.ExceptionCheck = &ExceptionCheck;
    g_env.functions = &g_functions;
    return &g_env;
}

// ---- finding the native methods as a JVM does ----

// Bytes of arguments that a __stdcall function removes from the stack: the
// "N" of its decorated name "_Name@N" on 32-bit Windows.
template <class R, class... A>
constexpr int ArgumentBytes(R(JNICALL*)(A...)) {
    return (0 + ... + static_cast<int>((sizeof(A) + 3) / 4 * 4));
}

HMODULE g_dll = nullptr;
std::vector<std::string> g_missing;

// A JVM on 32-bit Windows first looks for "_Name@N", then for "Name".
template <class F>
F Find(const char* name) {
    FARPROC p = nullptr;
    if (sizeof(void*) == 4) {
        const std::string decorated = "_" + std::string(name) + "@" + std::to_string(ArgumentBytes(F()));
        p = GetProcAddress(g_dll, decorated.c_str());
    }
    if (!p) p = GetProcAddress(g_dll, name);
    if (!p) g_missing.push_back(name);
    return reinterpret_cast<F>(reinterpret_cast<void*>(p));
}
#define FIND(name) Find<decltype(&SRTF_NATIVE(name))>(SRTF_STR(SRTF_NATIVE(name)))
#define SRTF_STR_(x) #x
#define SRTF_STR(x) SRTF_STR_(x)

struct Natives {
    decltype(&SRTF_NATIVE(init)) init = FIND(init);
    decltype(&SRTF_NATIVE(initFromFile)) initFromFile = FIND(initFromFile);
    decltype(&SRTF_NATIVE(read)) read = FIND(read);
    decltype(&SRTF_NATIVE(save)) save = FIND(save);
    decltype(&SRTF_NATIVE(releaseResources)) releaseResources = FIND(releaseResources);
    decltype(&SRTF_NATIVE(isSRTFResourceValid)) isSRTFResourceValid = FIND(isSRTFResourceValid);
    decltype(&SRTF_NATIVE(getFileName)) getFileName = FIND(getFileName);
    decltype(&SRTF_NATIVE(getUserName)) getUserName = FIND(getUserName);
    decltype(&SRTF_NATIVE(getOperation)) getOperation = FIND(getOperation);
    decltype(&SRTF_NATIVE(getComment)) getComment = FIND(getComment);
    decltype(&SRTF_NATIVE(getMachine)) getMachine = FIND(getMachine);
    decltype(&SRTF_NATIVE(getPassword)) getPassword = FIND(getPassword);
    decltype(&SRTF_NATIVE(setFileName)) setFileName = FIND(setFileName);
    decltype(&SRTF_NATIVE(setUserName)) setUserName = FIND(setUserName);
    decltype(&SRTF_NATIVE(setOperation)) setOperation = FIND(setOperation);
    decltype(&SRTF_NATIVE(setComment)) setComment = FIND(setComment);
    decltype(&SRTF_NATIVE(setMachine)) setMachine = FIND(setMachine);
    decltype(&SRTF_NATIVE(setPassword)) setPassword = FIND(setPassword);
    decltype(&SRTF_NATIVE(getMiscStatus)) getMiscStatus = FIND(getMiscStatus);
    decltype(&SRTF_NATIVE(setMiscStatus)) setMiscStatus = FIND(setMiscStatus);
    decltype(&SRTF_NATIVE(getObjectGUID)) getObjectGUID = FIND(getObjectGUID);
    decltype(&SRTF_NATIVE(getTransactionGUID)) getTransactionGUID = FIND(getTransactionGUID);
    decltype(&SRTF_NATIVE(getSignatureGUID)) getSignatureGUID = FIND(getSignatureGUID);
    decltype(&SRTF_NATIVE(setObjectGUID)) setObjectGUID = FIND(setObjectGUID);
    decltype(&SRTF_NATIVE(setTransactionGUID)) setTransactionGUID = FIND(setTransactionGUID);
    decltype(&SRTF_NATIVE(setSignatureGUID)) setSignatureGUID = FIND(setSignatureGUID);
    decltype(&SRTF_NATIVE(addObject)) addObject = FIND(addObject);
    decltype(&SRTF_NATIVE(iterateObject)) iterateObject = FIND(iterateObject);
    decltype(&SRTF_NATIVE(addBaseProperty__III)) addBasePropertyInt = FIND(addBaseProperty__III);
    decltype(&SRTF_NATIVE(addBaseProperty__IILjava_lang_String_2)) addBasePropertyText =
        FIND(addBaseProperty__IILjava_lang_String_2);
    decltype(&SRTF_NATIVE(addDataProperty__III)) addDataPropertyInt = FIND(addDataProperty__III);
    decltype(&SRTF_NATIVE(addDataProperty__IILjava_lang_String_2)) addDataPropertyText =
        FIND(addDataProperty__IILjava_lang_String_2);
    decltype(&SRTF_NATIVE(addTechKeyProperty)) addTechKeyProperty = FIND(addTechKeyProperty);
    decltype(&SRTF_NATIVE(iterateBaseProperty)) iterateBaseProperty = FIND(iterateBaseProperty);
    decltype(&SRTF_NATIVE(iterateDataProperty)) iterateDataProperty = FIND(iterateDataProperty);
    decltype(&SRTF_NATIVE(iterateTechKeyProperty)) iterateTechKeyProperty = FIND(iterateTechKeyProperty);
    decltype(&SRTF_NATIVE(getIntProperty)) getIntProperty = FIND(getIntProperty);
    decltype(&SRTF_NATIVE(getStrProperty)) getStrProperty = FIND(getStrProperty);
    decltype(&SRTF_NATIVE(isCurrentPropertyString)) isCurrentPropertyString = FIND(isCurrentPropertyString);
    decltype(&SRTF_NATIVE(hasErrors)) hasErrors = FIND(hasErrors);
    decltype(&SRTF_NATIVE(iterateErrors)) iterateErrors = FIND(iterateErrors);
    decltype(&SRTF_NATIVE(getErrorCode)) getErrorCode = FIND(getErrorCode);
    decltype(&SRTF_NATIVE(getErrorDescription)) getErrorDescription = FIND(getErrorDescription);
    decltype(&Java_JNITest_test123) test123 = Find<decltype(&Java_JNITest_test123)>("Java_JNITest_test123");
};
constexpr int kNativeCount = 44;
static_assert(sizeof(Natives) == kNativeCount * sizeof(void*), "every native method, once");

// ---- checks ----

int g_passed = 0;
int g_failed = 0;
std::vector<std::string> g_problems;

void Expect(bool ok, const std::string& what) {
    if (!ok) g_problems.push_back(what);
}
template <class A, class B>
void ExpectEq(const A& actual, const B& expected, const std::string& what) {
    if (!(actual == expected)) g_problems.push_back(what);
}
void Finish(const char* name) {
    if (g_problems.empty()) {
        std::printf("ok - %s\n", name);
        ++g_passed;
    } else {
        std::printf("FAIL - %s\n", name);
        for (const std::string& p : g_problems) std::printf("    %s\n", p.c_str());
        ++g_failed;
    }
    std::fflush(stdout);
    g_problems.clear();
}

#if defined(__i386__)
// Calls fn(env, object, value) as a JVM on 32-bit Windows does and returns
// the bytes of arguments that fn removed from the stack: 12 for the
// __stdcall convention that JNI prescribes there, 0 for __cdecl.
int CalleeRemovedBytes(void* fn, JNIEnv* env, jobject object, jint value) {
    int left;
    void* e = env;
    void* o = object;
    asm volatile(
        "movl %%esp, %%esi\n\t"
        "pushl %[value]\n\t"
        "pushl %[object]\n\t"
        "pushl %[env]\n\t"
        "call *%[fn]\n\t"
        "movl %%esi, %%eax\n\t"
        "subl %%esp, %%eax\n\t"
        "movl %%esi, %%esp\n\t"
        : "=a"(left), [env] "+c"(e), [object] "+d"(o)
        : [fn] "D"(fn), [value] "b"(value)
        : "esi", "memory", "cc");
    return 12 - left;
}
#endif

// The message box of test123 should be closed at once by the hook.
DWORD WINAPI Watchdog(LPVOID) {
    Sleep(60000);
    std::printf("FAIL - the message box was still open after a minute\n");
    std::fflush(stdout);
    ExitProcess(4);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tolvane_jni_calls PATH\\tolvane.dll FIXTURES-FOLDER\n");
        return 2;
    }
    const std::string fixtures = argv[2];

    // ---- loading ----
    g_dll = LoadLibraryA(argv[1]);
    if (!g_dll) {
        std::printf("FAIL - LoadLibrary(%s): error %lu\n", argv[1], GetLastError());
        return 1;
    }
    const Natives n;
    for (const std::string& name : g_missing) g_problems.push_back("not exported: " + name);
    Finish("all 44 native methods are found by the names a JVM looks up");
    if (!g_missing.empty()) return 1;
    JNIEnv* env = MakeEnv();

    // A folder of this run in the Windows temporary folder.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring work = std::wstring(temp) + L"tolvane-jni-calls-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(work.c_str(), nullptr);
    // "café-" and U+1F600: C3 A9 in modified UTF-8 as in UTF-8, the emoji as
    // two encoded surrogates (ED A0 BD, ED B8 80), as Java hands them over.
    const std::wstring wideName = work + L"\\caf\u00e9-\xD83D\xDE00.srtf";
    const std::string javaName = Utf8Of(work) + "\\caf\xC3\xA9-\xED\xA0\xBD\xED\xB8\x80.srtf";
    const char* kGuid = "0123456789abcdef0123456789abcdef";

    // ---- building and saving ----
    const jint h = n.init(env, kThis);
    ExpectEq(h, 1, "the first handle is 1");
    n.setFileName(env, kThis, h, MakeString(javaName));
    n.setUserName(env, kThis, h, MakeString("tester"));
    n.setComment(env, kThis, h, MakeString("built by the stand-in JVM"));
    n.setMiscStatus(env, kThis, h, 7);
    n.setObjectGUID(env, kThis, h, MakeString(kGuid));
    n.addObject(env, kThis, h, 31);  // an entity
    n.addTechKeyProperty(env, kThis, h, 0, 12);
    n.addDataPropertyText(env, kThis, h, 0, MakeString("Customer"));
    n.addBasePropertyText(env, kThis, h, 0, MakeString(kGuid));
    n.addBasePropertyInt(env, kThis, h, 2, 5);
    n.save(env, kThis, h);
    Expect(n.isSRTFResourceValid(env, kThis, h) == JNI_TRUE, "the handle is valid after save");
    const std::string saved = ReadWide(wideName);
    Expect(!saved.empty(), "the file exists under its UTF-16 name");
    Expect(saved.find("SRTFFileSpec = \"" + javaName + "\";\r\n") != std::string::npos,
           "the header keeps the path bytes as given, with a CR LF line end");
    Expect(saved.find("\"Customer\"") != std::string::npos, "the entity is written");
    n.releaseResources(env, kThis, h);
    Expect(n.isSRTFResourceValid(env, kThis, h) == JNI_FALSE, "released");
    Finish("a document is built and saved under a name beyond ASCII");

    // ---- reading and walking ----
    const jint r = n.initFromFile(env, kThis, MakeString(javaName));
    n.read(env, kThis, r);
    Expect(n.isSRTFResourceValid(env, kThis, r) == JNI_TRUE, "read");
    ExpectEq(TextOf(n.getFileName(env, kThis, r)), javaName, "file name");
    ExpectEq(TextOf(n.getUserName(env, kThis, r)), std::string("tester"), "user name");
    ExpectEq(TextOf(n.getComment(env, kThis, r)), std::string("built by the stand-in JVM"), "comment");
    ExpectEq(n.getMiscStatus(env, kThis, r), 7, "misc status");
    ExpectEq(TextOf(n.getObjectGUID(env, kThis, r)), std::string(kGuid), "object GUID");
    ExpectEq(TextOf(n.getTransactionGUID(env, kThis, r)), std::string(), "no transaction GUID");
    Expect(n.iterateObject(env, kThis, r, 31) == JNI_TRUE, "the entity is walked");
    ExpectEq(n.iterateTechKeyProperty(env, kThis, r), 0, "first tech key");
    ExpectEq(n.getIntProperty(env, kThis, r), 12, "its value");
    ExpectEq(n.iterateDataProperty(env, kThis, r), 0, "first data property");
    Expect(n.isCurrentPropertyString(env, kThis, r) == JNI_TRUE, "a text");
    ExpectEq(TextOf(n.getStrProperty(env, kThis, r)), std::string("Customer"), "its text");
    ExpectEq(n.iterateBaseProperty(env, kThis, r), 0, "first base property");
    ExpectEq(TextOf(n.getStrProperty(env, kThis, r)), std::string(kGuid), "the object GUID of the record");
    Expect(n.iterateObject(env, kThis, r, 31) == JNI_FALSE, "one entity only");
    n.releaseResources(env, kThis, r);
    Finish("the saved document is read back and walked");

    // ---- failures stay inside the library ----
    const jint missing = n.initFromFile(env, kThis, MakeString(Utf8Of(work) + "\\missing.srtf"));
    n.read(env, kThis, missing);
    Expect(n.isSRTFResourceValid(env, kThis, missing) == JNI_FALSE, "a failed read releases the handle");
    const jint bad = n.initFromFile(env, kThis, MakeString(fixtures + "\\java\\syntax_error.srtf"));
    n.read(env, kThis, bad);
    Expect(n.isSRTFResourceValid(env, kThis, bad) == JNI_FALSE, "a syntax error releases the handle");
    // A readable document stands under the name cut at U+0000: opening that
    // one instead would read it.
    Expect(CopyFileW(wideName.c_str(), (work + L"\\a").c_str(), FALSE) != 0, "a document named a");
    const jint nul = n.initFromFile(env, kThis, MakeString(Utf8Of(work) + "\\a\xC0\x80" "b.srtf"));
    n.read(env, kThis, nul);
    Expect(n.isSRTFResourceValid(env, kThis, nul) == JNI_FALSE, "a name holding U+0000 names no file");
    DeleteFileW((work + L"\\a").c_str());
    Finish("failed reads release their handles");

    // ---- server errors ----
    const jint e = n.initFromFile(env, kThis, MakeString(fixtures + "\\java\\server_errors.srtf"));
    n.read(env, kThis, e);
    Expect(n.hasErrors(env, kThis, e) == JNI_TRUE, "hasErrors");
    std::vector<std::string> walked;
    while (n.iterateErrors(env, kThis, e) == JNI_TRUE)
        walked.push_back(std::to_string(n.getErrorCode(env, kThis, e)) + " " +
                         TextOf(n.getErrorDescription(env, kThis, e)));
    const std::vector<std::string> expected = {"0 ", "258 Disk full", "7 second general", "-105 bad sql",
                                               "16 database down", "17268740 srtf fault"};
    Expect(walked == expected, "the errors in walk order");
    n.releaseResources(env, kThis, e);
    Finish("the errors of a server reply are walked");

    // ---- the calling convention ----
#if defined(__i386__)
    ExpectEq(CalleeRemovedBytes(reinterpret_cast<void*>(n.isSRTFResourceValid), env, kThis, 1), 12,
             "isSRTFResourceValid removes its 12 bytes of arguments (__stdcall)");
    ExpectEq(CalleeRemovedBytes(reinterpret_cast<void*>(n.getMiscStatus), env, kThis, 1), 12,
             "getMiscStatus removes its 12 bytes of arguments (__stdcall)");
    Finish("native methods use the JNI calling convention of 32-bit Windows");
#endif

    // ---- the diagnostic method ----
    {
        wintest::MessageBoxCloser closer;
        Expect(closer.Installed(), "a hook to close the box");
        CloseHandle(CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr));
        n.test123(env, kThis);
        const wintest::BoxSeen& box = closer.Seen();
        ExpectEq(box.count, 1, "one message box was shown");
        ExpectEq(box.text, std::string("Hello world from MFC!"), "its text");
        ExpectEq(box.caption, std::string("tolvane"), "its caption, the library's name");
        Expect(box.ok && !box.cancel, "an OK button only");
    }
    Finish("test123 shows its message box and returns when it is closed");

    ExpectEq(g_charsOut, 0, "every GetStringUTFChars was released");
    Expect(FreeLibrary(g_dll) != FALSE, "FreeLibrary");
    Finish("the library gives back what it takes and unloads");

    DeleteFileW(wideName.c_str());
    RemoveDirectoryW(work.c_str());
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
