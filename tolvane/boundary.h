// The failure boundary of the native methods: no exception of any type ever
// leaves one. Every export runs its work through one of these helpers.
//
// - NativeCall(env, work): the result of work(); on any failure the method's
//   empty answer instead: 0 for int, false for boolean, nothing for void, an
//   empty Java string for String (null when a Java exception is already
//   pending, since no further JNI call may be made then).
// - NativeCallOr(env, emptyAnswer, work): the same with the empty answer given
//   (the iterate-property methods answer -1).
// - NativeCallReleasing(service, handle, work): for read and save, whose every
//   failure (an SRTF or file error, exhausted memory, anything else) releases
//   the handle's document, so that the Java side finds the handle invalid.
#ifndef TOLVANE_BOUNDARY_H
#define TOLVANE_BOUNDARY_H

#include <jni.h>

#include <type_traits>

#include "srtfservice.h"

template <class R>
R EmptyAnswerOf(JNIEnv*) noexcept {
    return R();
}

template <>
inline jstring EmptyAnswerOf<jstring>(JNIEnv* env) noexcept {
    if (!env || env->ExceptionCheck()) return nullptr;
    return env->NewStringUTF("");
}

template <class R, class Work>
R NativeCallOr(JNIEnv* /*env*/, R emptyAnswer, Work&& work) noexcept {
    try {
        return work();
    } catch (...) {
        return emptyAnswer;
    }
}

template <class Work>
auto NativeCall(JNIEnv* env, Work&& work) noexcept -> decltype(work()) {
    using R = decltype(work());
    try {
        return work();
    } catch (...) {
    }
    if constexpr (!std::is_void<R>::value) return EmptyAnswerOf<R>(env);
}

template <class Work>
void NativeCallReleasing(CSRTFService& service, int handle, Work&& work) noexcept {
    try {
        work();
    } catch (...) {
        service.ReleaseContainer(handle);
    }
}

#endif
