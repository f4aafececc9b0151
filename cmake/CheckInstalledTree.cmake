# cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<project> -DDESTDIR=<scratch folder>
#       -DEXPECTED=<list of installed files> -P CheckInstalledTree.cmake
#
# Installs the build under /usr into DESTDIR, as the Debian package lays it
# out, and checks the tree: exactly the files of EXPECTED; both programs run
# from there and print the version label; the desktop entry, the icon and the
# AppStream metadata name one another and the programs; each manual page is
# compressed and names its program; the changelog's first entry is the
# package's version. Prints every fault and fails when there is one.

cmake_minimum_required(VERSION 3.25)

foreach(name BUILD_DIR SOURCE_DIR DESTDIR EXPECTED)
    if(NOT DEFINED ${name})
        message(FATAL_ERROR "CheckInstalledTree.cmake needs -D${name}=...")
    endif()
endforeach()

set(faults "")
macro(fault text)
    list(APPEND faults "${text}")
endmacro()

file(REMOVE_RECURSE "${DESTDIR}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

# The files, against the expected list.
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${DESTDIR}" "${DESTDIR}/*")
list(SORT installed)
file(STRINGS "${EXPECTED}" expected)
list(SORT expected)
foreach(path IN LISTS expected)
    if(NOT path IN_LIST installed)
        fault("missing: ${path}")
    endif()
endforeach()
foreach(path IN LISTS installed)
    if(NOT path IN_LIST expected)
        fault("not expected: ${path}")
    endif()
endforeach()

# Both programs answer --version with the label of ProgramVersion.h, run from
# the installed tree (notice-capture without a display: it needs none for it).
file(STRINGS "${SOURCE_DIR}/src/notice/ProgramVersion.h" label_line REGEX "ProgramVersionLabel")
string(REGEX REPLACE ".*QStringLiteral\\(\"(.*)\"\\).*" "\\1" label "${label_line}")
foreach(program notice-capture notice-check)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                            --unset=QT_QPA_PLATFORM ${DESTDIR}/usr/bin/${program} --version
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT result EQUAL 0 OR NOT output STREQUAL "${program}${label}\n")
        fault("${program} --version: exit ${result}, printed \"${output}\" ${errors}")
    endif()
endforeach()

# One key of a desktop entry or one element of the metainfo.
function(read_value file regex out)
    file(STRINGS "${file}" lines REGEX "${regex}")
    string(REGEX REPLACE "${regex}" "\\1" value "${lines}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

set(share "${DESTDIR}/usr/share")
file(GLOB desktop_entries "${share}/applications/*.desktop")
file(GLOB metainfo_files "${share}/metainfo/*.metainfo.xml")
foreach(entry IN LISTS desktop_entries)
    get_filename_component(entry_name "${entry}" NAME)
    read_value("${entry}" "^Exec=([^ ]*).*" exec)
    if(NOT EXISTS "${DESTDIR}/usr/bin/${exec}")
        fault("${entry_name}: Exec=${exec} is not an installed program")
    endif()
    read_value("${entry}" "^Icon=(.*)" icon)
    foreach(size_and_type "48x48/apps/${icon}.png" "scalable/apps/${icon}.svg")
        if(NOT EXISTS "${share}/icons/hicolor/${size_and_type}")
            fault("${entry_name}: no icon hicolor/${size_and_type}")
        endif()
    endforeach()
endforeach()
foreach(metainfo IN LISTS metainfo_files)
    get_filename_component(metainfo_name "${metainfo}" NAME)
    read_value("${metainfo}" ".*<id>(.*)</id>.*" id)
    read_value("${metainfo}" ".*<launchable type=\"desktop-id\">(.*)</launchable>.*" launchable)
    if(NOT metainfo_name STREQUAL "${id}.metainfo.xml" OR NOT launchable STREQUAL "${id}.desktop"
       OR NOT EXISTS "${share}/applications/${launchable}")
        fault("${metainfo_name}: id ${id} and launchable ${launchable} do not name it and an installed desktop entry")
    endif()
    file(STRINGS "${metainfo}" binaries REGEX "<binary>")
    foreach(binary IN LISTS binaries)
        string(REGEX REPLACE ".*<binary>(.*)</binary>.*" "\\1" binary "${binary}")
        if(NOT EXISTS "${DESTDIR}/usr/bin/${binary}")
            fault("${metainfo_name}: provides ${binary}, which is not installed")
        endif()
    endforeach()
endforeach()

# The compressed files read back with gzip, which every Debian system has.
function(gunzip file out)
    execute_process(COMMAND gzip -dc "${file}" RESULT_VARIABLE result OUTPUT_VARIABLE text)
    if(NOT result EQUAL 0)
        set(text "")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

foreach(program notice-capture notice-check)
    gunzip("${share}/man/man1/${program}.1.gz" page)
    string(TOUPPER "${program}" title)
    if(NOT page MATCHES "\n\\.TH ${title} \"1\"" OR NOT page MATCHES "\\.SH NAME\n${program} \\\\- ")
        fault("${program}.1.gz: not the manual page of ${program}")
    endif()
endforeach()

include("${BUILD_DIR}/CPackConfig.cmake")
set(package_version "${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
gunzip("${share}/doc/notice-capture/changelog.Debian.gz" changelog)
if(NOT changelog MATCHES "^${CPACK_PACKAGE_NAME} \\(${package_version}\\) ")
    fault("changelog.Debian.gz: the first entry is not ${CPACK_PACKAGE_NAME} (${package_version})")
endif()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "The installed tree in ${DESTDIR}:\n  ${text}")
endif()
message(STATUS "The installed tree in ${DESTDIR} is as expected")
