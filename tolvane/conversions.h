// Conversions between the values of the Java side and the library's own.
//
// - Java String <-> std::string: the bytes are the JVM's modified UTF-8 and
//   pass unchanged in both directions; no character set is converted. A null
//   Java String converts as the empty string. A std::string reaches Java up to
//   its first zero byte.
// - Java int or String -> PropertyValue, for the add-property methods. A text
//   of exactly 32 hexadecimal digits (either case) that names a non-zero GUID
//   travels as a GUID value that also keeps the text, so that a GUID column
//   receives the GUID and a text column the text as given; every other text
//   travels as a text value.
//
// When the JVM cannot produce a string (its OutOfMemoryError is then pending)
// the JNI conversions throw std::bad_alloc; the native method's boundary
// turns that into its empty answer and the Java side sees the pending error.
#ifndef TOLVANE_CONVERSIONS_H
#define TOLVANE_CONVERSIONS_H

#include <jni.h>

#include <string>

#include "objectbase.h"

std::string JavaToStdString(JNIEnv* env, jstring text);
jstring StdStringToJava(JNIEnv* env, const std::string& text);
jstring TextToJava(JNIEnv* env, const char* text);  // up to its zero byte

// The GUID of a text of exactly 32 hexadecimal digits, otherwise the zero GUID.
SrtfGuid PropertyTextToGuid(const std::string& text);
PropertyValue PropertyFromInt(int value);
PropertyValue PropertyFromText(std::string text);

#endif
