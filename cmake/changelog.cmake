# The package's changelog (resources/debian/changelog, one entry per release, newest first) is
# where the releases are listed: its top entry must be the version of project() with the Debian
# revision 1, and the metainfo's releases and the man pages' date are taken from it.
#
# Sets VARN_DEBIAN_VERSION (e.g. 0.9-1), VARN_RELEASE_DATE (the top entry's day, YYYY-MM-DD) and
# VARN_METAINFO_RELEASES (one <release> line per entry).

set(VARN_CHANGELOG ${CMAKE_SOURCE_DIR}/resources/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VARN_CHANGELOG})
set(VARN_DEBIAN_VERSION ${PROJECT_VERSION}-1)

file(STRINGS ${VARN_CHANGELOG} changelog_heads REGEX "^[a-z0-9][a-z0-9.+-]* \\(")
file(STRINGS ${VARN_CHANGELOG} changelog_trailers REGEX "^ -- ")
list(LENGTH changelog_heads head_count)
list(LENGTH changelog_trailers trailer_count)
if(head_count EQUAL 0 OR NOT head_count EQUAL trailer_count)
    message(FATAL_ERROR "${VARN_CHANGELOG}: every entry needs a head line and a \" -- \" line")
endif()

set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(VARN_METAINFO_RELEASES "")
math(EXPR last "${head_count} - 1")
foreach(i RANGE ${last})
    list(GET changelog_heads ${i} head)
    list(GET changelog_trailers ${i} trailer)
    if(NOT head MATCHES "^varn-placement-editor \\(([^)-]+)-([0-9]+)\\) ")
        message(FATAL_ERROR "${VARN_CHANGELOG}: not a head line of this package: ${head}")
    endif()
    set(version ${CMAKE_MATCH_1})
    set(revision ${CMAKE_MATCH_2})
    if(NOT trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        message(FATAL_ERROR "${VARN_CHANGELOG}: no RFC 2822 date in: ${trailer}")
    endif()
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    list(FIND months ${CMAKE_MATCH_2} month)
    math(EXPR month "${month} + 1")
    if(month LESS 10)
        set(month 0${month})
    endif()
    if(i EQUAL 0)
        if(NOT "${version}-${revision}" STREQUAL VARN_DEBIAN_VERSION)
            message(FATAL_ERROR "The top entry of ${VARN_CHANGELOG} is ${version}-${revision}; "
                                "project() says ${PROJECT_VERSION}: add an entry for "
                                "${VARN_DEBIAN_VERSION}")
        endif()
        set(VARN_RELEASE_DATE ${year}-${month}-${day})
    endif()
    string(APPEND VARN_METAINFO_RELEASES
        "    <release version=\"${version}\" date=\"${year}-${month}-${day}\"/>\n")
endforeach()
