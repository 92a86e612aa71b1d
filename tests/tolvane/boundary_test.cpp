// The native methods' failure boundary: no exception of any type gets
// through it, each kind of method gets its empty answer, and read and save
// release the handle on every failure.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include "boundary.h"
#include "srtferrors.h"

namespace {

struct UnrelatedType {
    int x = 1;
};

// Throws one exception of each kind that could come from below the boundary.
const std::vector<std::pair<const char*, std::function<void()>>>& Throwers() {
    static const std::vector<std::pair<const char*, std::function<void()>>> throwers = {
        {"bad_alloc", [] { throw std::bad_alloc(); }},
        {"CSrtfException", [] { throw CSrtfException(); }},
        {"FileError", [] { throw FileError(-2); }},
        {"logic_error", [] { throw std::logic_error("x"); }},
        {"int", [] { throw 42; }},
        {"const char*", [] { throw "text"; }},
        {"std::string", [] { throw std::string("text"); }},
        {"unrelated type", [] { throw UnrelatedType(); }},
    };
    return throwers;
}

// A JNIEnv whose NewStringUTF hands out a marker and whose exception state
// the test sets.
jstring const kNewStringMarker = reinterpret_cast<jstring>(0x1234);
bool g_exceptionPending = false;
int g_newStringCalls = 0;
jstring JNICALL FakeNewStringUTF(JNIEnv*, const char*) {
    ++g_newStringCalls;
    return kNewStringMarker;
}
jboolean JNICALL FakeExceptionCheck(JNIEnv*) { return g_exceptionPending ? JNI_TRUE : JNI_FALSE; }

struct FakeEnv {
    JNINativeInterface_ table{};
    JNIEnv env{};
    FakeEnv() {
        table.NewStringUTF = &FakeNewStringUTF;
        table.ExceptionCheck = &FakeExceptionCheck;
        env.functions = &table;
        g_exceptionPending = false;
        g_newStringCalls = 0;
    }
};

}  // namespace

TEST(NativeBoundary, NoExceptionOfAnyTypeGetsThroughAndEachMethodKindGetsItsEmptyAnswer) {
    FakeEnv fake;
    for (const auto& entry : Throwers()) {
        const auto& thrower = entry.second;
        SCOPED_TRACE(entry.first);
        EXPECT_EQ(0, NativeCall(&fake.env, [&]() -> jint { thrower(); return 7; }));
        EXPECT_EQ(JNI_FALSE, NativeCall(&fake.env, [&]() -> jboolean { thrower(); return JNI_TRUE; }));
        EXPECT_EQ(-1, NativeCallOr(&fake.env, jint(-1), [&]() -> jint { thrower(); return 3; }));
        bool after = false;
        NativeCall(&fake.env, [&] { thrower(); after = true; });
        EXPECT_FALSE(after);
        // A String method answers an empty Java string...
        g_exceptionPending = false;
        EXPECT_EQ(kNewStringMarker, NativeCall(&fake.env, [&]() -> jstring { thrower(); return nullptr; }));
        // ...but makes no JNI call while a Java exception is pending.
        g_exceptionPending = true;
        const int calls = g_newStringCalls;
        EXPECT_EQ(nullptr, NativeCall(&fake.env, [&]() -> jstring { thrower(); return kNewStringMarker; }));
        EXPECT_EQ(calls, g_newStringCalls);
    }
}

TEST(NativeBoundary, PassesResultsThroughWhenNothingFails) {
    FakeEnv fake;
    EXPECT_EQ(5, NativeCall(&fake.env, [] { return jint(5); }));
    EXPECT_EQ(JNI_TRUE, NativeCall(&fake.env, [] { return jboolean(JNI_TRUE); }));
    EXPECT_EQ(2, NativeCallOr(&fake.env, jint(-1), [] { return jint(2); }));
    EXPECT_EQ(nullptr, NativeCall(&fake.env, []() -> jstring { return nullptr; }));  // getStrProperty's null
    EXPECT_EQ(0, g_newStringCalls);
}

TEST(NativeBoundary, ReadAndSaveReleaseTheHandleOnAnyFailure) {
    CSRTFService service;
    for (const auto& entry : Throwers()) {
        const auto& thrower = entry.second;
        SCOPED_TRACE(entry.first);
        const int h = service.Init();
        const int other = service.Init();
        NativeCallReleasing(service, h, thrower);
        EXPECT_FALSE(service.IsSRTFResourceValid(h));
        EXPECT_TRUE(service.IsSRTFResourceValid(other));  // only the handle of the call
    }
    const int h = service.Init();
    NativeCallReleasing(service, h, [] {});
    EXPECT_TRUE(service.IsSRTFResourceValid(h));
}
