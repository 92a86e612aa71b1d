// The native side of WalkBaseline: the answers recorded from a real walk,
// kept in plain arrays and handed out in order. Each method does what any
// native method of the walk must do at least (one array read, or one
// NewStringUTF), so the time of a walk over these is the cost of the JNI
// crossings alone.
#include <jni.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<jint> g_ints;
std::vector<char> g_text;          // the texts, each ended by a zero byte
std::vector<uint32_t> g_textStart; // where each text begins in g_text
std::size_t g_nextInt = 0;
std::size_t g_nextText = 0;

jint NextInt() {
    if (g_nextInt >= g_ints.size()) g_nextInt = 0;
    return g_ints.empty() ? 0 : g_ints[g_nextInt++];
}

}  // namespace

extern "C" {

JNIEXPORT void JNICALL Java_WalkBaseline_append(JNIEnv* env, jclass, jintArray ints, jint intCount,
                                                jobjectArray texts, jint textCount) {
    if (intCount > 0) {
        const std::size_t at = g_ints.size();
        g_ints.resize(at + static_cast<std::size_t>(intCount));
        env->GetIntArrayRegion(ints, 0, intCount, g_ints.data() + at);
    }
    for (jint i = 0; i < textCount; ++i) {
        auto text = static_cast<jstring>(env->GetObjectArrayElement(texts, i));
        const char* utf = text ? env->GetStringUTFChars(text, nullptr) : nullptr;
        g_textStart.push_back(static_cast<uint32_t>(g_text.size()));
        if (utf) {
            g_text.insert(g_text.end(), utf, utf + std::char_traits<char>::length(utf));
            env->ReleaseStringUTFChars(text, utf);
        }
        g_text.push_back('\0');
        if (text) env->DeleteLocalRef(text);
    }
}

JNIEXPORT void JNICALL Java_WalkBaseline_rewind(JNIEnv*, jclass) {
    g_nextInt = 0;
    g_nextText = 0;
}

JNIEXPORT jboolean JNICALL Java_WalkBaseline_iterateObject(JNIEnv*, jobject, jint, jint) {
    return NextInt() != 0 ? JNI_TRUE : JNI_FALSE;
}

JNIEXPORT jint JNICALL Java_WalkBaseline_iterateTechKeyProperty(JNIEnv*, jobject, jint) {
    return NextInt();
}

JNIEXPORT jint JNICALL Java_WalkBaseline_iterateDataProperty(JNIEnv*, jobject, jint) {
    return NextInt();
}

JNIEXPORT jint JNICALL Java_WalkBaseline_iterateBaseProperty(JNIEnv*, jobject, jint) {
    return NextInt();
}

JNIEXPORT jint JNICALL Java_WalkBaseline_getIntProperty(JNIEnv*, jobject, jint) { return NextInt(); }

JNIEXPORT jstring JNICALL Java_WalkBaseline_getStrProperty(JNIEnv* env, jobject, jint) {
    if (g_nextText >= g_textStart.size()) g_nextText = 0;
    if (g_textStart.empty()) return env->NewStringUTF("");
    return env->NewStringUTF(g_text.data() + g_textStart[g_nextText++]);
}

}  // extern "C"
