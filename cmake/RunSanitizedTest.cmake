# cmake -DSOURCE_DIR=<project> -DBUILD_DIR=<folder> -DGENERATOR=<generator>
#       -DCOMPILER=<C++ compiler> -DTARGET=<test target>
#       -DEXECUTABLE=<the test program, relative to BUILD_DIR>
#       -P RunSanitizedTest.cmake
#
# Configures a build of the project with NOTICE_SANITIZE on in BUILD_DIR (kept
# between runs, so later runs only rebuild what changed), builds TARGET alone
# and runs it. Fails when any step fails or a sanitizer reports a fault.

foreach(name SOURCE_DIR BUILD_DIR GENERATOR COMPILER TARGET EXECUTABLE)
    if(NOT DEFINED ${name})
        message(FATAL_ERROR "RunSanitizedTest.cmake needs -D${name}=...")
    endif()
endforeach()

function(run_step what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${what} failed: ${result}")
    endif()
endfunction()

run_step("Configuring the sanitized build"
    ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BUILD_DIR} -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=${COMPILER} -DNOTICE_SANITIZE=ON)
run_step("Building ${TARGET}" ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET})

set(ENV{ASAN_OPTIONS} "halt_on_error=1:detect_leaks=1")
set(ENV{UBSAN_OPTIONS} "halt_on_error=1:print_stacktrace=1")
run_step("The sanitized ${TARGET}" ${BUILD_DIR}/${EXECUTABLE})
