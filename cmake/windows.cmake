# The Windows build: the editor as a GUI program with its icon, both programs with a version
# resource, the Qt and MinGW DLLs beside them (in bin/, so the tests run there too, and
# installed), and the two packages: a portable zip and an NSIS installer.

set(VARN_PRODUCT_NAME "Varn Placement Editor")
set(VARN_PACKAGE_STEM varn-placement-editor-${PROJECT_VERSION}-win64)

# Version resources: the numbers and texts come from project()'s one version.
set(VARN_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0)
set(VARN_PROGRAM_ICON ${CMAKE_BINARY_DIR}/resources/art/pictures/program-icon.ico)
foreach(program IN ITEMS varn-placement-editor varn-placement)
    if(program STREQUAL "varn-placement-editor")
        set(VARN_RC_DESCRIPTION "${VARN_PRODUCT_NAME}")
        set(VARN_RC_ICON "1 ICON \"${VARN_PROGRAM_ICON}\"")
    else()
        set(VARN_RC_DESCRIPTION "${VARN_PRODUCT_NAME} command-line tool")
        set(VARN_RC_ICON "")
    endif()
    set(VARN_RC_PROGRAM ${program})
    set(rc ${CMAKE_BINARY_DIR}/generated/${program}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/version.rc.in ${rc} @ONLY)
    if(TARGET ${program})
        target_sources(${program} PRIVATE ${rc})
    endif()
endforeach()
if(TARGET varn-placement-editor)
    set_source_files_properties(${CMAKE_BINARY_DIR}/generated/varn-placement-editor.rc
        PROPERTIES OBJECT_DEPENDS ${VARN_PROGRAM_ICON})
    set_target_properties(varn-placement-editor PROPERTIES WIN32_EXECUTABLE ON)
endif()

# The runtime the programs load: MinGW's C++ runtime, then Qt's DLLs and the plugins Qt loads
# from folders beside the program (platforms/, styles/, imageformats/).
set(VARN_RUNTIME_DLLS "")
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(path "${path}" ABSOLUTE)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler's runtime has no ${dll}")
    endif()
    list(APPEND VARN_RUNTIME_DLLS ${path})
endforeach()
set(VARN_QT_MODULES Core)
if(VARN_BUILD_GUI)
    list(APPEND VARN_QT_MODULES Gui Widgets)
endif()
foreach(module IN LISTS VARN_QT_MODULES)
    list(APPEND VARN_RUNTIME_DLLS $<TARGET_FILE:Qt6::${module}>)
endforeach()
set(VARN_TEST_DLLS $<TARGET_FILE:Qt6::Test>)
# The windows platform and the native style ship; the offscreen platform serves the tests.
# Each is "<folder>:<Qt's plugin target>", the folder beside the program Qt loads it from.
set(VARN_QT_PLUGINS "")
set(VARN_TEST_PLUGINS "")
if(VARN_BUILD_GUI)
    set(VARN_QT_PLUGINS platforms:QWindowsIntegrationPlugin styles:QWindowsVistaStylePlugin)
    set(VARN_TEST_PLUGINS platforms:QOffscreenIntegrationPlugin platforms:QMinimalIntegrationPlugin)
endif()

# In bin/ after every build, so the programs and the tests run where they were built.
set(copy_commands "")
foreach(dll IN LISTS VARN_RUNTIME_DLLS VARN_TEST_DLLS)
    list(APPEND copy_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dll} ${VARN_BIN_DIR}/)
endforeach()
foreach(plugin IN LISTS VARN_QT_PLUGINS VARN_TEST_PLUGINS)
    string(REPLACE ":" ";" parts ${plugin})
    list(GET parts 0 folder)
    list(GET parts 1 target)
    list(APPEND copy_commands
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VARN_BIN_DIR}/${folder}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::${target}>
                ${VARN_BIN_DIR}/${folder}/)
endforeach()
# Qt's own catalogues for the standard buttons of the window's languages, taken from the host's Qt
# (a .qm is the same on every platform), into translations/ beside the programs.
set(VARN_QT_CATALOGUES "")
if(VARN_BUILD_GUI)
    foreach(ts IN LISTS VARN_TS_FILES)
        string(REGEX MATCH "_([a-z][a-z])\\.ts$" found ${ts})
        find_file(VARN_QTBASE_${CMAKE_MATCH_1} qtbase_${CMAKE_MATCH_1}.qm
                  PATHS /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
        if(VARN_QTBASE_${CMAKE_MATCH_1})
            list(APPEND VARN_QT_CATALOGUES ${VARN_QTBASE_${CMAKE_MATCH_1}})
        endif()
    endforeach()
endif()
foreach(catalogue IN LISTS VARN_QT_CATALOGUES)
    list(APPEND copy_commands
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VARN_BIN_DIR}/translations
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${catalogue} ${VARN_BIN_DIR}/translations/)
endforeach()
add_custom_target(windows_runtime ALL ${copy_commands} COMMENT "Copying the Qt and MinGW DLLs into bin/")
install(FILES ${VARN_QT_CATALOGUES} DESTINATION translations)

install(FILES ${VARN_RUNTIME_DLLS} DESTINATION .)
foreach(plugin IN LISTS VARN_QT_PLUGINS)
    string(REPLACE ":" ";" parts ${plugin})
    list(GET parts 0 folder)
    list(GET parts 1 target)
    install(FILES $<TARGET_FILE:Qt6::${target}> DESTINATION ${folder})
endforeach()

# The licences and a short README.txt in the package's folder.
set(VARN_QT_LICENSE_DIR "" CACHE PATH "Qt's LICENSES/ folder, whose LGPL text the packages carry")
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
if(VARN_QT_LICENSE_DIR)
    install(FILES ${VARN_QT_LICENSE_DIR}/LGPL-3.0-only.txt ${VARN_QT_LICENSE_DIR}/GPL-3.0-only.txt
            DESTINATION licenses/qt)
endif()
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/README.txt.in
               ${CMAKE_BINARY_DIR}/generated/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/generated/README.txt DESTINATION .)

# cmake --build build-win --target packages: the zip and the installer in build-win/.
set(VARN_STAGE ${CMAKE_BINARY_DIR}/stage/${VARN_PACKAGE_STEM})
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/installer.nsi.in
               ${CMAKE_BINARY_DIR}/generated/installer.nsi @ONLY)
find_program(VARN_MAKENSIS makensis)
add_custom_target(packages
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/stage
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${VARN_STAGE} --strip
    # Debian's MinGW runtime DLLs carry their debugging symbols.
    COMMAND ${CMAKE_STRIP} --strip-unneeded ${VARN_STAGE}/libstdc++-6.dll
            ${VARN_STAGE}/libgcc_s_seh-1.dll ${VARN_STAGE}/libwinpthread-1.dll
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/stage
            ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/${VARN_PACKAGE_STEM}.zip --format=zip
            ${VARN_PACKAGE_STEM}
    COMMAND ${VARN_MAKENSIS} -V2 -NOCD
            -DSTAGE=${VARN_STAGE} -DOUTFILE=${CMAKE_BINARY_DIR}/${VARN_PACKAGE_STEM}-setup.exe
            ${CMAKE_BINARY_DIR}/generated/installer.nsi
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Packing ${VARN_PACKAGE_STEM}.zip and ${VARN_PACKAGE_STEM}-setup.exe"
    VERBATIM)
