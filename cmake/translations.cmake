# Included before the window program's targets: varn_add_translations(target) builds the
# catalogues of translations/ into target as resources under :/i18n.
#
# lupdate reads the texts of every folder whose code the window runs; the command-line tool's
# folder is left out, its messages stay English. `cmake --build B --target update_translations`
# brings the catalogues up to date with the sources; the test translations_up_to_date fails
# while a text of the sources is missing from them.
set(VARN_TS_FILES ${PROJECT_SOURCE_DIR}/translations/varn-placement-editor_de.ts)
set(VARN_TRANSLATED_FOLDERS app editors shell core)

find_package(Qt6 QUIET COMPONENTS LinguistTools)
if(NOT Qt6LinguistTools_FOUND)
    # A cross build's Qt has no tools of its own: lrelease of the host's Qt makes the same .qm.
    find_program(VARN_LRELEASE NAMES lrelease-qt6 lrelease
                 HINTS ${QT_HOST_PATH}/lib/qt6/bin ${QT_HOST_PATH}/bin NO_CMAKE_FIND_ROOT_PATH)
    if(NOT VARN_LRELEASE)
        message(FATAL_ERROR "Neither Qt6 LinguistTools (qt6-tools-dev) nor lrelease were found")
    endif()
endif()

function(varn_add_translations target)
    if(Qt6LinguistTools_FOUND)
        set(sources)
        foreach(folder ${VARN_TRANSLATED_FOLDERS})
            file(GLOB_RECURSE found CONFIGURE_DEPENDS
                 ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
            list(APPEND sources ${found})
        endforeach()
        qt_add_translations(${target} TS_FILES ${VARN_TS_FILES} SOURCES ${sources}
            RESOURCE_PREFIX /i18n LUPDATE_OPTIONS -locations none -no-obsolete)
        return()
    endif()
    set(qm_files)
    foreach(ts ${VARN_TS_FILES})
        get_filename_component(name ${ts} NAME_WE)
        set(qm ${CMAKE_CURRENT_BINARY_DIR}/${name}.qm)
        add_custom_command(OUTPUT ${qm} COMMAND ${VARN_LRELEASE} -silent ${ts} -qm ${qm}
                           DEPENDS ${ts} VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    qt_add_resources(${target} ${target}_translations PREFIX /i18n
        BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_files})
endfunction()

# The catalogues hold every text of the sources; lupdate itself decides.
if(Qt6LinguistTools_FOUND AND VARN_BUILD_TESTS)
    add_test(NAME translations_up_to_date COMMAND ${CMAKE_COMMAND}
        -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
        -DWORK_DIR=${CMAKE_BINARY_DIR}/translations-check "-DCATALOGUES=${VARN_TS_FILES}"
        "-DFOLDERS=${VARN_TRANSLATED_FOLDERS}" -P ${PROJECT_SOURCE_DIR}/cmake/checktranslations.cmake)
endif()
