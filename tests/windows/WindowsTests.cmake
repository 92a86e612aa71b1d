# Tests of the Windows build of tolvane (included by tolvane/CMakeLists.txt).
# - tolvane.exports: the DLL's export table holds exactly the 44 native
#   methods under their plain names, and the DLL needs no DLL but Windows' own;
#   in the 32-bit DLL each of them removes exactly its own arguments on return
#   (__stdcall, as a 32-bit JVM calls them). Read with objdump on this
#   machine, so it runs wherever the build does, also where the kernel refuses
#   32-bit programs.
# - tolvane.jni_calls: a Windows program that stands in for the JVM: it loads
#   tolvane.dll, finds every native method by the name a JVM looks up and
#   calls them through a JNIEnv of its own (under wine).
# - tolvane.windows_platform: the platform layer against Windows itself:
#   system error texts, sharing violations, UTF-16 file names, the message
#   box, the password stamp's runtime (under wine).

# The binutils of the cross compiler: x86_64-w64-mingw32-g++-posix -> ...-objdump.
string(REGEX REPLACE "-g\\+\\+(-posix|-win32)?$" "-objdump" _tolvane_objdump "${CMAKE_CXX_COMPILER}")
set(_tolvane_stdcall OFF)
if(SRTF_WINE_BITS EQUAL 32)
  set(_tolvane_stdcall ON)
endif()
add_test(NAME tolvane.exports
         COMMAND ${CMAKE_COMMAND}
           -DOBJDUMP=${_tolvane_objdump}
           -DLIBRARY=$<TARGET_FILE:tolvane>
           "-DHEADERS=${TOLVANE_JNI_HEADERS}"
           -DSYSTEM_DLLS=KERNEL32.dll,msvcrt.dll,USER32.dll
           -DSTDCALL=${_tolvane_stdcall}
           -P ${TOLVANE_SOURCE_ROOT}/tests/java/CheckExports.cmake)
set_tests_properties(tolvane.exports PROPERTIES LABELS "tolvane;win${SRTF_WINE_BITS}" TIMEOUT 60)

set(_tolvane_windows_tests ${TOLVANE_SOURCE_ROOT}/tests/windows)

# The stand-in JVM links nothing of the library: it knows it only by its
# exports, declared by the javac -h headers.
add_executable(tolvane_jni_calls ${_tolvane_windows_tests}/jni_calls.cpp ${TOLVANE_JNI_HEADERS})
target_include_directories(tolvane_jni_calls PRIVATE ${TOLVANE_JNI_INCLUDE_DIRS} ${TOLVANE_JNI_HEADERS_DIR})
add_dependencies(tolvane_jni_calls tolvane)
srtf_add_wine_test(tolvane.jni_calls $<TARGET_FILE:tolvane_jni_calls>
                   ARGS $<TARGET_FILE:tolvane> ${SRTF_FIXTURES_DIR_TARGET}
                   LABELS tolvane)

add_executable(tolvane_windows_platform_tests ${_tolvane_windows_tests}/platform_test.cpp)
target_link_libraries(tolvane_windows_platform_tests PRIVATE tolvane_service srtfcore GTest::gtest_main)
target_include_directories(tolvane_windows_platform_tests PRIVATE ${TOLVANE_SOURCE_ROOT}/tests/support)
target_compile_definitions(tolvane_windows_platform_tests PRIVATE SRTF_FIXTURES_DIR="${SRTF_FIXTURES_DIR_TARGET}")
srtf_add_gtest(tolvane_windows_platform_tests "tolvane." tolvane)
