# The program's translations: translations/notice-capture_<language>.ts,
# English being the language of the sources.
#
#   cmake --build <build> --target update_translations
# runs lupdate over src/ and brings the .ts files up to date (new texts come
# in unfinished, for a translator to fill in); the files are kept in the
# repository. The build turns each into a .qm file with lrelease, and
# add_program_translations(<library>) carries them in the library as the
# resources :/i18n/notice-capture_<language>.qm, so that the program and the
# tests that link the library load the same ones.
#
# lupdate and lrelease come with Debian's qt6-l10n-tools, without the CMake
# package of Qt's LinguistTools, so they are run here directly.
get_target_property(_notice_qmake Qt6::qmake IMPORTED_LOCATION)
get_filename_component(_notice_qt_bins "${_notice_qmake}" DIRECTORY)
find_program(NOTICE_LRELEASE lrelease HINTS "${_notice_qt_bins}" /usr/lib/qt6/bin REQUIRED)
find_program(NOTICE_LUPDATE lupdate HINTS "${_notice_qt_bins}" /usr/lib/qt6/bin)

set(NOTICE_TS_FILES
    ${CMAKE_CURRENT_LIST_DIR}/notice-capture_fr.ts
    ${CMAKE_CURRENT_LIST_DIR}/notice-capture_es.ts
)
# English, the language of the sources, needs only the plural forms of the
# texts that count ("%n notices").
set(NOTICE_ENGLISH_TS ${CMAKE_CURRENT_LIST_DIR}/notice-capture_en.ts)

if(NOTICE_LUPDATE)
    # No source locations in the files: a line moved in the code does not
    # change them.
    add_custom_target(update_translations
        COMMAND ${NOTICE_LUPDATE} -locations none -no-ui-lines -no-obsolete ${CMAKE_SOURCE_DIR}/src -ts ${NOTICE_TS_FILES}
        COMMAND ${NOTICE_LUPDATE} -locations none -no-ui-lines -no-obsolete -pluralonly ${CMAKE_SOURCE_DIR}/src -ts ${NOTICE_ENGLISH_TS}
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        VERBATIM)
endif()

function(add_program_translations target)
    set(qm_files "")
    foreach(ts IN LISTS NOTICE_TS_FILES NOTICE_ENGLISH_TS)
        get_filename_component(name "${ts}" NAME_WE)
        set(qm "${CMAKE_CURRENT_BINARY_DIR}/i18n/${name}.qm")
        add_custom_command(OUTPUT "${qm}"
            COMMAND ${NOTICE_LRELEASE} -silent "${ts}" -qm "${qm}"
            DEPENDS "${ts}"
            VERBATIM)
        list(APPEND qm_files "${qm}")
    endforeach()
    qt_add_resources(${target} program_translations
        PREFIX /i18n
        BASE "${CMAKE_CURRENT_BINARY_DIR}/i18n"
        FILES ${qm_files})
endfunction()
