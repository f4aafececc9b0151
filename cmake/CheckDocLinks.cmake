# cmake -DSOURCE_DIR=<repo> -P CheckDocLinks.cmake
#
# Checks that the relative links and images of README.md and docs/*.md lead
# to files that exist. A target is what stands between "](" and ")" (up to a
# blank, which begins a title); http(s)://, mailto: and #anchors are left
# alone, and a #fragment is cut from a path. Fenced code blocks are skipped.
# Prints every target that does not exist and fails when there is one.

file(GLOB docs "${SOURCE_DIR}/docs/*.md")
set(pages "${SOURCE_DIR}/README.md" ${docs})

set(missing 0)
set(checked 0)
foreach(page IN LISTS pages)
    get_filename_component(folder "${page}" DIRECTORY)
    file(RELATIVE_PATH page_name "${SOURCE_DIR}" "${page}")
    file(READ "${page}" text)
    # Semicolons would split the text as a CMake list: take them out, then
    # cut the text at each fence, so that the odd pieces are the code blocks.
    string(REPLACE ";" " " text "${text}")
    string(REPLACE "[" "<" text "${text}")
    string(REPLACE "]" ">" text "${text}")
    string(REPLACE "```" ";" pieces "${text}")
    set(inside_code FALSE)
    foreach(piece IN LISTS pieces)
        if(NOT inside_code)
            string(REGEX MATCHALL ">\\([^) \t\n]+" links "${piece}")
            foreach(link IN LISTS links)
                string(SUBSTRING "${link}" 2 -1 target)
                if(target MATCHES "^(https?://|mailto:|#)")
                    continue()
                endif()
                string(REGEX REPLACE "#.*$" "" path "${target}")
                math(EXPR checked "${checked} + 1")
                if(NOT EXISTS "${folder}/${path}")
                    message("${page_name}: link to ${target}: ${path} does not exist")
                    math(EXPR missing "${missing} + 1")
                endif()
            endforeach()
        endif()
        if(inside_code)
            set(inside_code FALSE)
        else()
            set(inside_code TRUE)
        endif()
    endforeach()
endforeach()

if(missing GREATER 0)
    message(FATAL_ERROR "${missing} of ${checked} relative links lead nowhere")
endif()
message("${checked} relative links checked in README.md and docs/*.md")
