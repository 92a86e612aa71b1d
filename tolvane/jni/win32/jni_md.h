/* The machine-dependent part of the Java Native Interface for Windows, for
 * the GNU compilers of mingw-w64: how a native method is exported and called,
 * and the integer types whose size jni.h leaves to this header. jni.h of the
 * JDK on this machine includes it in place of its own platform's.
 *
 * A JVM on 32-bit Windows calls native methods with the __stdcall convention
 * (the callee removes the arguments); on 64-bit Windows there is only one
 * convention and the keyword changes nothing. */
#ifndef TOLVANE_JNI_MD_WIN32_H
#define TOLVANE_JNI_MD_WIN32_H

#define JNIEXPORT __declspec(dllexport)
#define JNIIMPORT __declspec(dllimport)
#define JNICALL __stdcall

typedef int jint;          /* 32 bits */
typedef long long jlong;   /* 64 bits: long has 32 on Windows */
typedef signed char jbyte; /* 8 bits */

#endif
