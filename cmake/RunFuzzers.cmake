# cmake -DSOURCE_DIR=<project> -DBUILD_DIR=<folder> -DGENERATOR=<generator>
#       -DCOMPILER=<clang++> -DSECONDS=<per target> -P RunFuzzers.cmake
#
# Configures the fuzz targets (fuzz/) with clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer in BUILD_DIR (kept between runs), builds them
# and runs each for SECONDS on a copy of its seed corpus in BUILD_DIR, so that
# the inputs it finds stay out of the source tree. Fails when a step fails, a
# target crashes or a sanitizer reports a fault.

include(${CMAKE_CURRENT_LIST_DIR}/ScriptSteps.cmake)
require_definitions(RunFuzzers.cmake SOURCE_DIR BUILD_DIR GENERATOR COMPILER SECONDS)

run_step("Configuring the fuzz targets"
    ${CMAKE_COMMAND} -S ${SOURCE_DIR}/fuzz -B ${BUILD_DIR} -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${COMPILER})
run_step("Building the fuzz targets" ${CMAKE_COMMAND} --build ${BUILD_DIR})

stop_at_first_sanitizer_fault()
foreach(pair "notice-check-fuzz:checker:notice" "script-read-fuzz:script:script" "sheet-rows-fuzz:sheet:sheet")
    string(REPLACE ":" ";" parts ${pair})
    list(GET parts 0 target)
    list(GET parts 1 corpus)
    list(GET parts 2 dictionary)
    file(COPY ${SOURCE_DIR}/fuzz/corpus/${corpus} DESTINATION ${BUILD_DIR}/corpus)
    run_step("${target}" ${BUILD_DIR}/${target} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
        -print_final_stats=1 -dict=${SOURCE_DIR}/fuzz/${dictionary}.dict
        -artifact_prefix=${BUILD_DIR}/ ${BUILD_DIR}/corpus/${corpus})
endforeach()
