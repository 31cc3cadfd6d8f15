# Widget tests of the desktop program: every *_test.cpp in tests/shell,
# tests/workspace, tests/menu and tests/preview is its own Qt Test program,
# run offscreen. Test doubles for the seams live in tests/shell.
foreach(folder shell workspace menu preview)
    file(GLOB GUI_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_test.cpp)
    foreach(source ${GUI_TEST_SOURCES})
        get_filename_component(name ${source} NAME_WE)
        add_executable(${name} ${source})
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
        target_link_libraries(${name} PRIVATE tintara_ui Qt6::Test)
        if(name STREQUAL "chat_command_test")
            # Sends to the in-process chat client that the chat tests simulate.
            target_sources(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/chat/fake_window_system.cpp
                                           ${CMAKE_CURRENT_SOURCE_DIR}/chat/simulated_chat_client.cpp)
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
add_test(NAME shell.end_to_end
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/shell/end_to_end_test.sh
                 $<TARGET_FILE:tintara> $<TARGET_FILE:tintara-fade>)
set_tests_properties(shell.end_to_end PROPERTIES TIMEOUT 120)
