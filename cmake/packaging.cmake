# The Debian package: every installed file under /usr. Depends is filled from the libraries the
# programs link (dpkg-shlibdeps, from dpkg-dev). The desktop's databases (MIME types, desktop
# entries, icons) are brought up to date by the triggers of the packages that own them, on
# installation and on removal alike.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varn-placement-editor)
set(CPACK_PACKAGE_VENDOR "The Varn team")
set(CPACK_PACKAGE_CONTACT "The Varn team <varn-placement-editor@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://varn-placement-editor.example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the placement files of a game map")
set(CPACK_PACKAGE_DESCRIPTION
    "Opens the binary placement files of a game map (.wpl, little-endian, and .xpl, the same
layout big-endian), shows each known section as a table, edits records through one checking
dialog per section type and saves the file as .wpl. The command-line tool varn-placement dumps,
converts and hashes the same files in scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
