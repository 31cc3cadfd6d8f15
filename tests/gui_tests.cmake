# Widget tests of the desktop program: every *_test.cpp in the test folder of
# a UI folder is its own Qt Test program, run offscreen. Test doubles for the
# seams live in tests/support.
foreach(folder ui workspace menu preview about app)
    file(GLOB GUI_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_test.cpp)
    foreach(source ${GUI_TEST_SOURCES})
        get_filename_component(name ${source} NAME_WE)
        add_executable(${name} ${source})
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        target_link_libraries(${name} PRIVATE tintara_ui Qt6::Test)
        if(name STREQUAL "menu_commands_test")
            # Sends to the in-process chat client that the chat tests simulate.
            target_link_libraries(${name} PRIVATE tintara_chat_fakes)
        endif()
        add_test(NAME ${folder}.${name} COMMAND ${name})
        set_tests_properties(${folder}.${name} PROPERTIES
                             ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
        if(name STREQUAL "caption_fit_test")
            # Captions must fit at 200% too, where fonts are hinted differently.
            add_test(NAME ${folder}.${name}_scale2 COMMAND ${name})
            set_tests_properties(${folder}.${name}_scale2 PROPERTIES
                                 ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2"
                                 TIMEOUT 120)
        endif()
    endforeach()
endforeach()

# The real program under Xvfb, driven with xdotool and read back with xclip.
add_test(NAME app.end_to_end
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/app/end_to_end_test.sh
                 $<TARGET_FILE:tintara> $<TARGET_FILE:tintara-fade>)
set_tests_properties(app.end_to_end PROPERTIES TIMEOUT 120)

# The same under a real window manager (openbox): closing, dragging, placing,
# the keyboard and minimising as the window manager does them.
add_test(NAME app.window_manager
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/app/window_manager_test.sh
                 $<TARGET_FILE:tintara> $<TARGET_FILE:tintara-fade>)
set_tests_properties(app.window_manager PROPERTIES TIMEOUT 120)
