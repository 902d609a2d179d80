# The Windows side: the pictures and painters, the shell of each language
# build with its pictures rendered from SVG, the frame exporter, and the
# tests that run under Wine.
enable_language(RC)

# Each picture is stored at four sizes, smallest first: its size at 96 DPI
# (cmake/picture-sizes.txt) and three larger ones. The program decodes the
# smallest that is large enough and scales it. A picture that fills the
# screen is stored as tall as the commonest screens, where it is then
# decoded at exactly the size it is drawn at and not scaled at all; the
# others at 1.5, 2 and 3 times their size, for display scaling. The picture
# layer and the resource scripts list them too (resource types PNG1-PNG4).
set(KESTRUM_SCREEN_PICTURES title theory authors formation)
set(KESTRUM_SCREEN_HEIGHTS 1080 1440 2160)
set(KESTRUM_PANEL_SCALES 3/2 2/1 3/1)

add_subdirectory(src/pictures)
add_subdirectory(src/plots)
add_subdirectory(src/controls)

# The shell: window, screens, commands, the formation run, button panels.
set(KESTRUM_SHELL_SOURCES
  src/app/globals.cpp
  src/app/start_up.cpp
  src/app/failure_reports.cpp
  src/app/main_window.cpp
  src/app/screens.cpp
  src/app/commands.cpp
  src/app/formation_run.cpp
  src/app/navigation.cpp
  src/app/propagation_drawing.cpp
  src/app/display_modes.cpp
  src/app/command_line.cpp
  src/app/displays.cpp
  src/app/button_panels.cpp
  src/app/keys.cpp)

# Where the programs (bin/), the release zip (dist/) and the pictures of
# `make pictures` (pictures/) are written: the build tree, unless a preset
# names a folder (the windows preset: build/).
set(KESTRUM_OUTPUT_DIR ${CMAKE_BINARY_DIR} CACHE PATH
  "Where the programs, the release zip and the rendered pictures are written")
set(KESTRUM_BIN_DIR ${KESTRUM_OUTPUT_DIR}/bin)
set(KESTRUM_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
# The pictures and the icon as the resource scripts include them.
set(KESTRUM_BITMAP_DIR ${KESTRUM_GENERATED_DIR}/pictures)

# Each build's pictures and their sizes (width x height), in the one table
# that scripts/make-pictures.sh reads too; the resource ids are in
# res/ids/resource_ids.h.
set(KESTRUM_PICTURE_TABLE ${CMAKE_SOURCE_DIR}/cmake/picture-sizes.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KESTRUM_PICTURE_TABLE})
file(STRINGS ${KESTRUM_PICTURE_TABLE} picture_rows REGEX "^[a-z]")
set(KESTRUM_PICTURES_en)
set(KESTRUM_PICTURES_ru)
foreach(row IN LISTS picture_rows)
  string(REGEX MATCHALL "[^ ]+" fields "${row}")
  list(GET fields 0 name)
  list(GET fields 1 size_en)
  list(GET fields 2 size_ru)
  foreach(lang en ru)
    if(NOT size_${lang} MATCHES "^([0-9]+x[0-9]+|-)$")
      message(FATAL_ERROR "${KESTRUM_PICTURE_TABLE}: no size for ${lang} in '${row}'")
    elseif(NOT size_${lang} STREQUAL "-")
      list(APPEND KESTRUM_PICTURES_${lang} ${name}:${size_${lang}})
    endif()
  endforeach()
endforeach()

# The released programs' names, from the table scripts/kestrum reads too,
# as KESTRUM_RELEASED_NAME_<language> and in program_names.h.
set(KESTRUM_NAME_TABLE ${CMAKE_SOURCE_DIR}/cmake/program-names.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KESTRUM_NAME_TABLE})
file(STRINGS ${KESTRUM_NAME_TABLE} name_rows REGEX "^[a-z]")
set(released_entries "")
foreach(row IN LISTS name_rows)
  if(NOT row MATCHES "^([a-z]+) +([A-Za-z0-9_.-]+\\.exe)$")
    message(FATAL_ERROR "${KESTRUM_NAME_TABLE}: not 'language name.exe': '${row}'")
  endif()
  set(KESTRUM_RELEASED_NAME_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
  string(APPEND released_entries "    {L\"${CMAKE_MATCH_1}\", L\"${CMAKE_MATCH_2}\"},\n")
endforeach()
foreach(lang en ru)
  if(NOT KESTRUM_RELEASED_NAME_${lang})
    message(FATAL_ERROR "${KESTRUM_NAME_TABLE}: no name for ${lang}")
  endif()
endforeach()
file(CONFIGURE OUTPUT ${KESTRUM_GENERATED_DIR}/program_names.h CONTENT
"// Generated from cmake/program-names.txt: the name each language's program
// has in the release package.
#pragma once

struct ReleasedName {
    const wchar_t* language;
    const wchar_t* program;
};

constexpr ReleasedName kReleasedNames[] = {
${released_entries}};
")

# The version for the resource scripts, whose FILEVERSION wants four numbers.
foreach(part MAJOR MINOR PATCH TWEAK)
  set(KESTRUM_VERSION_${part} 0)
  if(PROJECT_VERSION_${part})
    set(KESTRUM_VERSION_${part} ${PROJECT_VERSION_${part}})
  endif()
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/res/ids/kestrum_version.h.in
  ${KESTRUM_GENERATED_DIR}/kestrum_version.h @ONLY)

# The icon of all three programs; its sizes are in the script.
set(KESTRUM_ICON ${KESTRUM_BITMAP_DIR}/kestrum.ico)
add_custom_command(OUTPUT ${KESTRUM_ICON}
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/svg-to-ico.sh ${CMAKE_SOURCE_DIR}/res/icon.svg ${KESTRUM_ICON}
  DEPENDS ${CMAKE_SOURCE_DIR}/res/icon.svg ${CMAKE_SOURCE_DIR}/scripts/svg-to-ico.sh
  COMMENT "Rendering kestrum.ico"
  VERBATIM)
add_custom_target(kestrum_icon DEPENDS ${KESTRUM_ICON})

# A program's resource object, kestrum_resources_<name>, from its script,
# which includes res/program.rc for the icon and the version block.
function(kestrum_add_resources name rc)
  add_library(kestrum_resources_${name} OBJECT ${rc})
  target_include_directories(kestrum_resources_${name} PRIVATE
    ${CMAKE_SOURCE_DIR}/res ${CMAKE_SOURCE_DIR}/res/ids ${KESTRUM_GENERATED_DIR}
    ${KESTRUM_BITMAP_DIR})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS
    ${KESTRUM_ICON} ${CMAKE_SOURCE_DIR}/res/program.rc
    ${CMAKE_SOURCE_DIR}/res/ids/resource_ids.h ${KESTRUM_GENERATED_DIR}/kestrum_version.h)
  add_dependencies(kestrum_resources_${name} kestrum_icon)
endfunction()

# Renders the language's SVG sources into PNG files in the build tree,
# <name>-<n>.png for the n-th of the four stored sizes.
function(kestrum_add_pictures lang out_var)
  set(outputs)
  foreach(entry IN LISTS KESTRUM_PICTURES_${lang})
    string(REGEX MATCH "^([a-z]+):([0-9]+)x([0-9]+)$" entry ${entry})
    set(name ${CMAKE_MATCH_1})
    set(base_width ${CMAKE_MATCH_2})
    set(base_height ${CMAKE_MATCH_3})
    set(svg ${CMAKE_SOURCE_DIR}/res/${lang}/${name}.svg)
    # Each size as a fraction of the one at 96 DPI, the width rounded.
    set(scales 1/1)
    if(name IN_LIST KESTRUM_SCREEN_PICTURES)
      foreach(screen_height IN LISTS KESTRUM_SCREEN_HEIGHTS)
        list(APPEND scales ${screen_height}/${base_height})
      endforeach()
    else()
      list(APPEND scales ${KESTRUM_PANEL_SCALES})
    endif()
    set(density 0)
    foreach(scale IN LISTS scales)
      math(EXPR density "${density} + 1")
      string(REPLACE "/" ";" fraction ${scale})
      list(GET fraction 0 times)
      list(GET fraction 1 over)
      math(EXPR width "(2 * ${base_width} * ${times} + ${over}) / (2 * ${over})")
      math(EXPR height "(2 * ${base_height} * ${times} + ${over}) / (2 * ${over})")
      set(png ${KESTRUM_BITMAP_DIR}/${lang}/${name}-${density}.png)
      add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_SOURCE_DIR}/scripts/svg-to-png.sh ${svg} ${png} ${width} ${height} ${PROJECT_VERSION}
        DEPENDS ${svg} ${CMAKE_SOURCE_DIR}/scripts/svg-to-png.sh
        COMMENT "Rendering ${lang}/${name}-${density}.png (${width} x ${height})"
        VERBATIM)
      list(APPEND outputs ${png})
    endforeach()
  endforeach()
  set(${out_var} ${outputs} PARENT_SCOPE)
endfunction()

# One language build: the shell library (linked by the program and by
# the tests), the resource object, and the program itself. The shell sees
# its own folder, its language's captions and, through the controls and the
# painters, the layers below; nothing of the exporter.
function(kestrum_add_language lang)
  string(TOUPPER ${lang} LANG)
  add_library(kestrum_shell_${lang} STATIC ${KESTRUM_SHELL_SOURCES})
  target_include_directories(kestrum_shell_${lang} PUBLIC
    ${CMAKE_SOURCE_DIR}/src/app ${CMAKE_SOURCE_DIR}/res/${lang})
  target_compile_definitions(kestrum_shell_${lang} PUBLIC KESTRUM_LANGUAGE_${LANG})
  target_link_libraries(kestrum_shell_${lang} PUBLIC kestrum_controls kestrum_plots user32 gdi32)
  kestrum_warnings(kestrum_shell_${lang})

  kestrum_add_pictures(${lang} pictures)
  add_custom_target(kestrum_artwork_${lang} DEPENDS ${pictures})
  kestrum_add_resources(${lang} ${CMAKE_SOURCE_DIR}/res/${lang}/kestrum.rc)
  target_include_directories(kestrum_resources_${lang} PRIVATE ${KESTRUM_BITMAP_DIR}/${lang})
  set_property(SOURCE ${CMAKE_SOURCE_DIR}/res/${lang}/kestrum.rc APPEND PROPERTY OBJECT_DEPENDS
    ${pictures} ${CMAKE_SOURCE_DIR}/res/kestrum.manifest)
  add_dependencies(kestrum_resources_${lang} kestrum_artwork_${lang})

  add_executable(kestrum-${lang} WIN32 src/app/main.cpp)
  target_link_libraries(kestrum-${lang} PRIVATE kestrum_shell_${lang} kestrum_resources_${lang})
  set_target_properties(kestrum-${lang} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KESTRUM_BIN_DIR})
  kestrum_warnings(kestrum-${lang})
endfunction()

kestrum_add_language(en)
kestrum_add_language(ru)

add_subdirectory(tests)
add_subdirectory(src/frames)

include(cmake/KestrumPackage.cmake)

# Every picture and the icon with PNG previews, and the overlays that show
# the program's plot and buttons on them, to check the artwork by eye.
add_custom_target(pictures
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/make-pictures.sh ${KESTRUM_OUTPUT_DIR}/pictures ${PROJECT_VERSION}
    3
  VERBATIM)

include(tests/bench/CMakeLists-windows.cmake)
