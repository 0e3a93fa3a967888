# A whole ticker rebuild of a receiver (10 000 broadcast and 10 000 local notes) against
# a bare scan of the same two files through Qt SQL. Run: build/bin/bench_rebuild
add_executable(bench_rebuild ${CMAKE_CURRENT_LIST_DIR}/bench_rebuild.cpp)
target_link_libraries(bench_rebuild PRIVATE ticker core benchmark::benchmark)
target_compile_definitions(bench_rebuild PRIVATE QB_TEMPLATE_PATH="${QB_TEMPLATE}")
add_dependencies(bench_rebuild program_files)
set_target_properties(bench_rebuild PROPERTIES AUTOMOC OFF)
