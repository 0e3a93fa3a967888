# Schedule evaluation per rhythm, in ns per row.
add_executable(bench_schedule ${CMAKE_CURRENT_LIST_DIR}/bench_schedule.cpp)
target_link_libraries(bench_schedule PRIVATE schedule benchmark::benchmark)
set_target_properties(bench_schedule PROPERTIES AUTOMOC OFF)
