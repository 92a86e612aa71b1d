// The exported native methods of SRTFNativeInterface and JNITest.
//
// Each export converts its arguments, calls one operation of the service and
// converts the result back, inside the failure boundary (boundary.h). The
// calling Java object is not used. Declarations come from the headers that
// javac -h writes for the Java classes, so a name or signature that differs
// from the Java side fails to match its declaration.
#include <JNITest.h>
#include <com_veltrane_repository_morlisk_client_service_internal_SRTFNativeInterface.h>

#include "boundary.h"
#include "conversions.h"
#include "platform/messagebox.h"
#include "srtfservice.h"
#include "tolvaneapp.h"

#define SRTF_NATIVE(name) Java_com_veltrane_repository_morlisk_client_service_internal_SRTFNativeInterface_##name

namespace {

CSRTFService& Svc() { return TheService(); }
int H(jint handle) { return static_cast<int>(handle); }
jboolean Bool(bool b) { return b ? JNI_TRUE : JNI_FALSE; }

jstring GetText(JNIEnv* env, jint h, HeaderText field) {
    return NativeCall(env, [&] { return StdStringToJava(env, Svc().GetHeaderText(H(h), field)); });
}
void SetText(JNIEnv* env, jint h, HeaderText field, jstring value) {
    NativeCall(env, [&] { Svc().SetHeaderText(H(h), field, JavaToStdString(env, value)); });
}
jstring GetGuid(JNIEnv* env, jint h, HeaderGuid field) {
    return NativeCall(env, [&] { return StdStringToJava(env, Svc().GetHeaderGuid(H(h), field)); });
}
void SetGuid(JNIEnv* env, jint h, HeaderGuid field, jstring value) {
    NativeCall(env, [&] { Svc().SetHeaderGuid(H(h), field, JavaToStdString(env, value)); });
}
void AddInt(JNIEnv* env, jint h, PropertyGroup group, jint position, jint value) {
    NativeCall(env, [&] { Svc().AddProperty(H(h), group, static_cast<int>(position), PropertyFromInt(static_cast<int>(value))); });
}
void AddText(JNIEnv* env, jint h, PropertyGroup group, jint position, jstring value) {
    NativeCall(env, [&] { Svc().AddProperty(H(h), group, static_cast<int>(position), PropertyFromText(JavaToStdString(env, value))); });
}
jint Iterate(JNIEnv* env, jint h, PropertyGroup group) {
    return NativeCallOr(env, jint(-1), [&] { return jint(Svc().IterateProperty(H(h), group)); });
}

}  // namespace

extern "C" {

// ---- documents ----

JNIEXPORT jint JNICALL SRTF_NATIVE(init)(JNIEnv* env, jobject) {
    return NativeCall(env, [] { return jint(Svc().Init()); });
}

JNIEXPORT jint JNICALL SRTF_NATIVE(initFromFile)(JNIEnv* env, jobject, jstring path) {
    return NativeCall(env, [&] { return jint(Svc().InitFromFile(JavaToStdString(env, path))); });
}

JNIEXPORT void JNICALL SRTF_NATIVE(read)(JNIEnv*, jobject, jint h) {
    NativeCallReleasing(Svc(), H(h), [&] { Svc().Read(H(h)); });
}

JNIEXPORT void JNICALL SRTF_NATIVE(save)(JNIEnv*, jobject, jint h) {
    NativeCallReleasing(Svc(), H(h), [&] { Svc().Save(H(h)); });
}

JNIEXPORT void JNICALL SRTF_NATIVE(releaseResources)(JNIEnv* env, jobject, jint h) {
    NativeCall(env, [&] { Svc().ReleaseResources(H(h)); });
}

JNIEXPORT jboolean JNICALL SRTF_NATIVE(isSRTFResourceValid)(JNIEnv* env, jobject, jint h) {
    return NativeCall(env, [&] { return Bool(Svc().IsSRTFResourceValid(H(h))); });
}

// ---- header fields ----

JNIEXPORT jstring JNICALL SRTF_NATIVE(getFileName)(JNIEnv* env, jobject, jint h) { return GetText(env, h, HeaderText::FileName); }
JNIEXPORT jstring JNICALL SRTF_NATIVE(getUserName)(JNIEnv* env, jobject, jint h) { return GetText(env, h, HeaderText::UserName); }
JNIEXPORT jstring JNICALL SRTF_NATIVE(getOperation)(JNIEnv* env, jobject, jint h) { return GetText(env, h, HeaderText::Operation); }
JNIEXPORT jstring JNICALL SRTF_NATIVE(getComment)(JNIEnv* env, jobject, jint h) { return GetText(env, h, HeaderText::Comment); }
JNIEXPORT jstring JNICALL SRTF_NATIVE(getMachine)(JNIEnv* env, jobject, jint h) { return GetText(env, h, HeaderText::Machine); }
JNIEXPORT jstring JNICALL SRTF_NATIVE(getPassword)(JNIEnv* env, jobject, jint h) { return GetText(env, h, HeaderText::Password); }

JNIEXPORT void JNICALL SRTF_NATIVE(setFileName)(JNIEnv* env, jobject, jint h, jstring v) { SetText(env, h, HeaderText::FileName, v); }
JNIEXPORT void JNICALL SRTF_NATIVE(setUserName)(JNIEnv* env, jobject, jint h, jstring v) { SetText(env, h, HeaderText::UserName, v); }
JNIEXPORT void JNICALL SRTF_NATIVE(setOperation)(JNIEnv* env, jobject, jint h, jstring v) { SetText(env, h, HeaderText::Operation, v); }
JNIEXPORT void JNICALL SRTF_NATIVE(setComment)(JNIEnv* env, jobject, jint h, jstring v) { SetText(env, h, HeaderText::Comment, v); }
JNIEXPORT void JNICALL SRTF_NATIVE(setMachine)(JNIEnv* env, jobject, jint h, jstring v) { SetText(env, h, HeaderText::Machine, v); }
JNIEXPORT void JNICALL SRTF_NATIVE(setPassword)(JNIEnv* env, jobject, jint h, jstring v) { SetText(env, h, HeaderText::Password, v); }

JNIEXPORT jint JNICALL SRTF_NATIVE(getMiscStatus)(JNIEnv* env, jobject, jint h) {
    return NativeCall(env, [&] { return jint(Svc().GetMiscStatus(H(h))); });
}

JNIEXPORT void JNICALL SRTF_NATIVE(setMiscStatus)(JNIEnv* env, jobject, jint h, jint value) {
    NativeCall(env, [&] { Svc().SetMiscStatus(H(h), static_cast<int>(value)); });
}

JNIEXPORT jstring JNICALL SRTF_NATIVE(getObjectGUID)(JNIEnv* env, jobject, jint h) { return GetGuid(env, h, HeaderGuid::Object); }
JNIEXPORT jstring JNICALL SRTF_NATIVE(getTransactionGUID)(JNIEnv* env, jobject, jint h) { return GetGuid(env, h, HeaderGuid::Transaction); }
JNIEXPORT jstring JNICALL SRTF_NATIVE(getSignatureGUID)(JNIEnv* env, jobject, jint h) { return GetGuid(env, h, HeaderGuid::Signature); }

JNIEXPORT void JNICALL SRTF_NATIVE(setObjectGUID)(JNIEnv* env, jobject, jint h, jstring v) { SetGuid(env, h, HeaderGuid::Object, v); }
JNIEXPORT void JNICALL SRTF_NATIVE(setTransactionGUID)(JNIEnv* env, jobject, jint h, jstring v) { SetGuid(env, h, HeaderGuid::Transaction, v); }
JNIEXPORT void JNICALL SRTF_NATIVE(setSignatureGUID)(JNIEnv* env, jobject, jint h, jstring v) { SetGuid(env, h, HeaderGuid::Signature, v); }

// ---- records ----

JNIEXPORT void JNICALL SRTF_NATIVE(addObject)(JNIEnv* env, jobject, jint h, jint sectionId) {
    NativeCall(env, [&] { Svc().AddObject(H(h), static_cast<int>(sectionId)); });
}

JNIEXPORT jboolean JNICALL SRTF_NATIVE(iterateObject)(JNIEnv* env, jobject, jint h, jint sectionId) {
    return NativeCall(env, [&] { return Bool(Svc().IterateObject(H(h), static_cast<int>(sectionId))); });
}

// ---- properties ----

JNIEXPORT void JNICALL SRTF_NATIVE(addBaseProperty__III)(JNIEnv* env, jobject, jint h, jint p, jint v) { AddInt(env, h, PropertyGroup::Base, p, v); }
JNIEXPORT void JNICALL SRTF_NATIVE(addBaseProperty__IILjava_lang_String_2)(JNIEnv* env, jobject, jint h, jint p, jstring v) { AddText(env, h, PropertyGroup::Base, p, v); }
JNIEXPORT void JNICALL SRTF_NATIVE(addDataProperty__III)(JNIEnv* env, jobject, jint h, jint p, jint v) { AddInt(env, h, PropertyGroup::Data, p, v); }
JNIEXPORT void JNICALL SRTF_NATIVE(addDataProperty__IILjava_lang_String_2)(JNIEnv* env, jobject, jint h, jint p, jstring v) { AddText(env, h, PropertyGroup::Data, p, v); }
JNIEXPORT void JNICALL SRTF_NATIVE(addTechKeyProperty)(JNIEnv* env, jobject, jint h, jint p, jint v) { AddInt(env, h, PropertyGroup::TechKey, p, v); }

JNIEXPORT jint JNICALL SRTF_NATIVE(iterateBaseProperty)(JNIEnv* env, jobject, jint h) { return Iterate(env, h, PropertyGroup::Base); }
JNIEXPORT jint JNICALL SRTF_NATIVE(iterateDataProperty)(JNIEnv* env, jobject, jint h) { return Iterate(env, h, PropertyGroup::Data); }
JNIEXPORT jint JNICALL SRTF_NATIVE(iterateTechKeyProperty)(JNIEnv* env, jobject, jint h) { return Iterate(env, h, PropertyGroup::TechKey); }

JNIEXPORT jint JNICALL SRTF_NATIVE(getIntProperty)(JNIEnv* env, jobject, jint h) {
    return NativeCall(env, [&] { return jint(Svc().GetIntProperty(H(h))); });
}

JNIEXPORT jstring JNICALL SRTF_NATIVE(getStrProperty)(JNIEnv* env, jobject, jint h) {
    return NativeCall(env, [&]() -> jstring {
        char guidText[33];
        const char* text = Svc().CurrentPropertyText(H(h), guidText);
        if (!text) return nullptr;  // no current value yet
        return TextToJava(env, text);
    });
}

JNIEXPORT jboolean JNICALL SRTF_NATIVE(isCurrentPropertyString)(JNIEnv* env, jobject, jint h) {
    return NativeCall(env, [&] { return Bool(Svc().IsCurrentPropertyString(H(h))); });
}

// ---- server errors ----

JNIEXPORT jboolean JNICALL SRTF_NATIVE(hasErrors)(JNIEnv* env, jobject, jint h) {
    return NativeCall(env, [&] { return Bool(Svc().HasErrors(H(h))); });
}

JNIEXPORT jboolean JNICALL SRTF_NATIVE(iterateErrors)(JNIEnv* env, jobject, jint h) {
    return NativeCall(env, [&] { return Bool(Svc().IterateErrors(H(h))); });
}

JNIEXPORT jint JNICALL SRTF_NATIVE(getErrorCode)(JNIEnv* env, jobject, jint h) {
    return NativeCall(env, [&] { return jint(Svc().GetErrorCode(H(h))); });
}

JNIEXPORT jstring JNICALL SRTF_NATIVE(getErrorDescription)(JNIEnv* env, jobject, jint h) {
    return NativeCall(env, [&] { return StdStringToJava(env, Svc().GetErrorDescription(H(h))); });
}

// ---- diagnostic ----

JNIEXPORT void JNICALL Java_JNITest_test123(JNIEnv* env, jobject) {
    NativeCall(env, [] { AfxMessageBox("Hello world from MFC!", MB_OK, 0); });
}

}  // extern "C"
