# The note windows: filling the administration and opening the editor on a stored note.
# Run offscreen: QT_QPA_PLATFORM=offscreen build/bin/bench_notes_windows
add_executable(bench_notes_windows ${CMAKE_CURRENT_LIST_DIR}/bench_notes_windows.cpp)
target_link_libraries(bench_notes_windows PRIVATE admin_ui test_support Qt6::Test
                                                  benchmark::benchmark)
add_dependencies(bench_notes_windows program_files)
