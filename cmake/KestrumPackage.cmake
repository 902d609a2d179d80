# The release package, made by CPack (make dist):
# kestrum-<version>-windows-x64.zip with one folder, kestrum-<version>, that
# holds both programs under their released names, kestrum-frames beside them
# (it reads its pictures from them), the read-me in both languages, the
# physics pages and the teaching guides as HTML, and the licence.
set(release kestrum-${PROJECT_VERSION})
set(text_dir ${KESTRUM_GENERATED_DIR}/release)

# Notepad-friendly text: CRLF line ends, and a byte-order mark on UTF-8
# (older Notepads read text without one in the system's code page).
function(kestrum_add_release_text source target mark)
  set(VERSION ${PROJECT_VERSION})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(READ ${source} content)
  file(CONFIGURE OUTPUT ${text_dir}/${target} CONTENT "${mark}${content}" @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${text_dir}/${target} DESTINATION ${release})
endfunction()
string(ASCII 239 187 191 utf8_bom)
kestrum_add_release_text(${CMAKE_SOURCE_DIR}/dist/ReadMe-English.txt ReadMe-English.txt "${utf8_bom}")
kestrum_add_release_text(${CMAKE_SOURCE_DIR}/dist/ReadMe-Russian.txt ReadMe-Russian.txt "${utf8_bom}")
kestrum_add_release_text(${CMAKE_SOURCE_DIR}/LICENSE License.txt "")

# The pages: self-contained HTML that opens offline (scripts/make-docs.sh).
set(pages)
foreach(page Physics Physics-Russian Teaching-English Teaching-Russian)
  list(APPEND pages ${KESTRUM_GENERATED_DIR}/pages/${page}.html)
endforeach()
file(GLOB_RECURSE page_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/docs/*.md ${CMAKE_SOURCE_DIR}/docs/*.png)
add_custom_command(OUTPUT ${pages}
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/make-docs.sh ${KESTRUM_GENERATED_DIR}/pages
  DEPENDS ${page_sources} ${CMAKE_SOURCE_DIR}/scripts/make-docs.sh
          ${CMAKE_SOURCE_DIR}/scripts/make-docs.lua ${CMAKE_SOURCE_DIR}/scripts/make-docs.css
  COMMENT "Making the HTML pages"
  VERBATIM)
add_custom_target(kestrum_pages ALL DEPENDS ${pages})
install(FILES ${pages} DESTINATION ${release})

foreach(lang en ru)
  install(PROGRAMS $<TARGET_FILE:kestrum-${lang}> DESTINATION ${release}
    RENAME ${KESTRUM_RELEASED_NAME_${lang}})
endforeach()
install(TARGETS kestrum-frames RUNTIME DESTINATION ${release})

# CPack installs through the build tree's preinstall step, which by default
# builds everything first, the tests too: the package needs only what the
# dist target depends on below.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME ${release}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${KESTRUM_OUTPUT_DIR}/dist)
include(CPack)

# The zip from the programs and pages as built, without building the tests.
add_custom_target(dist
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  VERBATIM)
add_dependencies(dist kestrum-en kestrum-ru kestrum-frames kestrum_pages)
