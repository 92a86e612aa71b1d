// Java strings, std::strings and PropertyValues.
#include "conversions.h"

#include <new>
#include <utility>

std::string JavaToStdString(JNIEnv* env, jstring text) {
    if (!text) return std::string();
    const char* bytes = env->GetStringUTFChars(text, nullptr);
    if (!bytes) throw std::bad_alloc();
    std::string result;
    try {
        result = bytes;
    } catch (...) {
        env->ReleaseStringUTFChars(text, bytes);
        throw;
    }
    env->ReleaseStringUTFChars(text, bytes);
    return result;
}

jstring StdStringToJava(JNIEnv* env, const std::string& text) { return TextToJava(env, text.c_str()); }

jstring TextToJava(JNIEnv* env, const char* text) {
    jstring result = env->NewStringUTF(text);
    if (!result) throw std::bad_alloc();
    return result;
}

SrtfGuid PropertyTextToGuid(const std::string& text) {
    if (text.size() != 32) return SrtfGuid();
    for (char c : text)
        if (AsciiHexValue(static_cast<unsigned char>(c)) < 0) return SrtfGuid();
    return HexStringToGuid(text.c_str());
}

PropertyValue PropertyFromInt(int value) {
    PropertyValue v;
    v.type = PropertyValue::kInt;
    v.value = value;
    return v;
}

PropertyValue PropertyFromText(std::string text) {
    PropertyValue v;
    v.guid = PropertyTextToGuid(text);
    v.type = v.guid.IsZero() ? PropertyValue::kText : PropertyValue::kGuid;
    v.text = std::move(text);
    return v;
}
