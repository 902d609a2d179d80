# The paint benchmark of the Windows side: a timing program (no test
# framework of its own) run under Wine, e.g.
#   scripts/wine-run.sh <build>/paint_bench_en.exe
add_executable(paint_bench_en ${CMAKE_CURRENT_LIST_DIR}/paint_bench.cpp)
target_link_libraries(paint_bench_en PRIVATE kestrum_test_paint kestrum_resources_en)
kestrum_warnings(paint_bench_en)

add_executable(app_bench_en ${CMAKE_CURRENT_LIST_DIR}/app_bench.cpp)
target_link_libraries(app_bench_en PRIVATE kestrum_test_shell_en kestrum_resources_en)
kestrum_warnings(app_bench_en)
