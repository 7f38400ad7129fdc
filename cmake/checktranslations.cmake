# ctest's translations_up_to_date: lupdate over the window's sources, run on a copy of each
# catalogue, must find no text the catalogue lacks and leave no translation unfinished.
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -DCATALOGUES="a.ts;b.ts" -DFOLDERS="app;core" -P
set(sources)
foreach(folder ${FOLDERS})
    list(APPEND sources ${SOURCE_DIR}/${folder})
endforeach()
file(MAKE_DIRECTORY ${WORK_DIR})
foreach(catalogue ${CATALOGUES})
    get_filename_component(name ${catalogue} NAME)
    set(copy ${WORK_DIR}/${name})
    configure_file(${catalogue} ${copy} COPYONLY)
    execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete ${sources} -ts ${copy}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(READ ${catalogue} before)
    file(READ ${copy} after)
    if(NOT before STREQUAL after)
        execute_process(COMMAND diff -u ${catalogue} ${copy})
        message(FATAL_ERROR "${name} is not up to date with the sources: "
                            "cmake --build <build> --target update_translations, then translate")
    endif()
    if(after MATCHES "type=\"(unfinished|vanished|obsolete)\"")
        message(FATAL_ERROR "${name} has ${CMAKE_MATCH_1} translations")
    endif()
endforeach()
