# The cost of one tick of the band while a long text scrolls, painting included.
# Run offscreen: QT_QPA_PLATFORM=offscreen build/bin/bench_ticker
# Under a real display, "bench_ticker --live SECONDS" runs the band for that long and
# prints its processor time and resident memory.
add_executable(bench_ticker ${CMAKE_CURRENT_LIST_DIR}/bench_ticker.cpp)
target_link_libraries(bench_ticker PRIVATE ticker_ui settings_ui platform_qt test_support
                                           benchmark::benchmark)

# The cost floor that bench/measure_band.sh measures beside the ticker program.
add_executable(band_floor ${CMAKE_CURRENT_LIST_DIR}/band_floor.cpp)
target_link_libraries(band_floor PRIVATE Qt6::Widgets)
