# Runs one Java test class (or the example client) in its own JVM with
# -Xcheck:jni and judges the run:
# - the JVM exits with 0 (a crash of the native code fails this test only);
# - unless NO_SUMMARY: standard output ends its report with "N passed, 0 failed";
# - the JVM reports no JNI misuse ("WARNING in native method", "FATAL ERROR");
# - EXPECT_STDOUT / EXPECT_STDERR (regular expressions), when given, match.
#
# cmake -DJAVA=... -DCLASSPATH=... -DLIBDIR=... -DMAIN=class -DFIXTURES=dir
#       -DWORKDIR=dir [-DNO_SUMMARY=ON] [-DEXPECT_STDOUT=re] [-DEXPECT_STDERR=re]
#       [-DARGS=a;b] -P RunJavaTest.cmake
foreach(v JAVA CLASSPATH LIBDIR MAIN FIXTURES WORKDIR)
  if(NOT DEFINED ${v} OR "${${v}}" STREQUAL "")
    message(FATAL_ERROR "RunJavaTest: ${v} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})

execute_process(
  COMMAND ${JAVA} -Xcheck:jni -Djava.library.path=${LIBDIR}
          -Dsrtf.fixtures=${FIXTURES} -Dsrtf.workdir=${WORKDIR}
          -XX:ErrorFile=${WORKDIR}/hs_err_%p.log
          -cp ${CLASSPATH} ${MAIN} ${ARGS}
  WORKING_DIRECTORY ${WORKDIR}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  TIMEOUT 100)

message("---- standard output ----\n${out}")
message("---- standard error ----\n${err}")

set(problems "")
if(NOT result STREQUAL "0")
  list(APPEND problems "the JVM ended with ${result}")
endif()
if(NOT NO_SUMMARY)
  if(NOT out MATCHES "([0-9]+) passed, 0 failed[\r\n]*$")
    list(APPEND problems "no closing line \"N passed, 0 failed\"")
  elseif(CMAKE_MATCH_1 STREQUAL "0")
    list(APPEND problems "no test ran")
  endif()
endif()
if("${out}${err}" MATCHES "WARNING in native method|FATAL ERROR in native method")
  list(APPEND problems "the JVM reported a misuse of JNI")
endif()
if(EXPECT_STDOUT AND NOT out MATCHES "${EXPECT_STDOUT}")
  list(APPEND problems "standard output does not match: ${EXPECT_STDOUT}")
endif()
if(EXPECT_STDERR AND NOT err MATCHES "${EXPECT_STDERR}")
  list(APPEND problems "standard error does not match: ${EXPECT_STDERR}")
endif()
if(problems)
  string(REPLACE ";" "\n  " problems "${problems}")
  message(FATAL_ERROR "${MAIN} failed:\n  ${problems}")
endif()
