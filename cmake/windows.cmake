# Windows builds: every program is one static .exe that needs only system DLLs,
# with a version resource, and the desktop program with its icon.
add_link_options(-static -static-libgcc -static-libstdc++)
# Both programs land at the top of the build folder, ready to run or zip.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The icon is drawn by our own tool. A cross build cannot run the Windows build
# of it, so it is given a build of the tool for the machine it runs on.
set(TINTARA_ICON_TOOL "" CACHE FILEPATH
    "tintara_render_icon built for the build machine (cross builds only)")

# tintara_windows_resources(TARGET DESCRIPTION [ICON])
function(tintara_windows_resources target description)
    set(TINTARA_RC_NAME ${target})
    set(TINTARA_RC_DESCRIPTION "${description}")
    set(TINTARA_RC_ICON "")
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    if("ICON" IN_LIST ARGN)
        set(ico ${CMAKE_CURRENT_BINARY_DIR}/${target}.ico)
        if(TINTARA_ICON_TOOL)
            set(tool ${TINTARA_ICON_TOOL})
        else()
            set(tool tintara_render_icon)
        endif()
        add_custom_command(OUTPUT ${ico}
                           COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                                   ${tool} --ico ${ico}
                           DEPENDS ${tool}
                           COMMENT "Drawing the Windows icon")
        set(TINTARA_RC_ICON "1 ICON \"${ico}\"")
        set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ico})
    endif()
    configure_file(${CMAKE_SOURCE_DIR}/data/windows/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
