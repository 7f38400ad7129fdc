# The Debian package: every installed file under /usr. Depends is filled from the libraries the
# programs link (dpkg-shlibdeps, from dpkg-dev). The desktop's databases (MIME types, desktop
# entries, icons) are brought up to date by the triggers of the packages that own them, on
# installation and on removal alike.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varn-placement-editor)
set(CPACK_PACKAGE_VENDOR "The Varn Placement Editor authors")
set(CPACK_PACKAGE_CONTACT "The Varn Placement Editor authors <varn-placement-editor@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://varn-placement-editor.example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the placement files of a game map")
# The extended description: lines of at most 80 characters, none starting with a point.
set(CPACK_PACKAGE_DESCRIPTION
    "Opens the binary placement files of a game map (.wpl, little-endian,
and .xpl, the same layout big-endian), shows each known section as a table,
edits records through one checking dialog per section type and saves the file
in the byte order its name asks for. The command-line tool varn-placement
dumps, converts, exports, builds, compares and changes the same files in
scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The version of project() with the Debian revision of the changelog's top entry (0.9-1).
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own catalogues name the standard buttons in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

# Stripping leaves the compiler's .comment section, which a package does not need.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program varn-placement varn-placement-editor)
            set(file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VARN_INSTALL_BINDIR}/\${program}\")
            if(EXISTS \"\${file}\")
                execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment \"\${file}\"
                                COMMAND_ERROR_IS_FATAL ANY)
            endif()
        endforeach()
    endif()")

include(CPack)
