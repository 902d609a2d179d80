# kestrum-frames: a console program that paints screens of Kestrum into
# PNG files with the program's own painters and the platform's image
# encoder. The painters are the same in both language libraries; the
# pictures come at run time from the chosen program beside it, which is
# why it is built into the same folder and after both programs.
add_library(kestrum_frames_arguments STATIC src/frames/frame_arguments.cpp)
target_include_directories(kestrum_frames_arguments PUBLIC ${CMAKE_SOURCE_DIR}/src/frames
  ${CMAKE_SOURCE_DIR}/src/controls)
target_compile_definitions(kestrum_frames_arguments PUBLIC UNICODE _UNICODE)
# The slider tables: --b and --v accept their values only.
target_link_libraries(kestrum_frames_arguments PUBLIC kestrum_app_en)
kestrum_warnings(kestrum_frames_arguments)

add_executable(kestrum-frames
  src/frames/frames_main.cpp
  src/frames/frame_painting.cpp
  src/frames/png_writer.cpp)
target_link_libraries(kestrum-frames PRIVATE kestrum_frames_arguments kestrum_app_en
  ole32 shell32 uuid)
set_target_properties(kestrum-frames PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KESTRUM_BIN_DIR})
add_dependencies(kestrum-frames kestrum-en kestrum-ru)
kestrum_warnings(kestrum-frames)

add_subdirectory(tests/frames)
