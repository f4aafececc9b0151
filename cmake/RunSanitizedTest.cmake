# cmake -DSOURCE_DIR=<project> -DBUILD_DIR=<folder> -DGENERATOR=<generator>
#       -DCOMPILER=<C++ compiler> -DTARGET=<test target>
#       -DEXECUTABLE=<the test program, relative to BUILD_DIR>
#       -P RunSanitizedTest.cmake
#
# Configures a build of the project with NOTICE_SANITIZE on in BUILD_DIR (kept
# between runs, so later runs only rebuild what changed), builds TARGET alone
# and runs it. Fails when any step fails or a sanitizer reports a fault.

include(${CMAKE_CURRENT_LIST_DIR}/ScriptSteps.cmake)
require_definitions(RunSanitizedTest.cmake SOURCE_DIR BUILD_DIR GENERATOR COMPILER TARGET EXECUTABLE)

run_step("Configuring the sanitized build"
    ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BUILD_DIR} -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=${COMPILER} -DNOTICE_SANITIZE=ON)
run_step("Building ${TARGET}" ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET})

stop_at_first_sanitizer_fault()
run_step("The sanitized ${TARGET}" ${BUILD_DIR}/${EXECUTABLE})
