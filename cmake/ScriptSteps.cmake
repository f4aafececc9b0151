# What the test scripts run with cmake -P share (RunSanitizedTest.cmake,
# RunFuzzers.cmake): their -D definitions checked, each step run and stopped
# on failure, and the sanitizers made to stop at their first report.

# require_definitions(SCRIPT NAME...): fails unless every -DNAME=... is given.
function(require_definitions script)
    foreach(name ${ARGN})
        if(NOT DEFINED ${name})
            message(FATAL_ERROR "${script} needs -D${name}=...")
        endif()
    endforeach()
endfunction()

# run_step(WHAT COMMAND...): runs the command, fails with WHAT when it fails.
function(run_step what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${what} failed: ${result}")
    endif()
endfunction()

# The programs run after this stop at the first fault a sanitizer finds.
macro(stop_at_first_sanitizer_fault)
    set(ENV{ASAN_OPTIONS} "halt_on_error=1:detect_leaks=1")
    set(ENV{UBSAN_OPTIONS} "halt_on_error=1:print_stacktrace=1")
endmacro()
