# Native unit tests of the portable logic: every tests/**/*_test.cpp outside win32/ and e2e/.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE ORVILLA_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*.cpp)
list(FILTER ORVILLA_NATIVE_TESTS EXCLUDE REGEX "/(win32|e2e)/")

add_executable(orvilla_tests ${ORVILLA_NATIVE_TESTS})
target_include_directories(orvilla_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(orvilla_tests PRIVATE orvilla_core GTest::gmock GTest::gtest_main)
# The word lists that the word prediction tests read.
target_compile_definitions(orvilla_tests PRIVATE ORVILLA_WORD_LISTS="${CMAKE_SOURCE_DIR}/resources/words")
gtest_discover_tests(orvilla_tests DISCOVERY_TIMEOUT 60)

if(ORVILLA_BENCHMARKS)
  find_package(benchmark REQUIRED)
  file(GLOB ORVILLA_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  file(GLOB ORVILLA_BENCH_FAKES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fakes/*.cpp)
  if(ORVILLA_BENCH_SOURCES)
    add_executable(orvilla_bench ${ORVILLA_BENCH_SOURCES} ${ORVILLA_BENCH_FAKES})
    target_include_directories(orvilla_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(orvilla_bench PRIVATE orvilla_core benchmark::benchmark_main)
    target_compile_definitions(orvilla_bench PRIVATE ORVILLA_WORD_LISTS="${CMAKE_SOURCE_DIR}/resources/words")
  endif()
endif()

# Writes the settings dialog's button pictures as PAM files (scripts/button-images.sh).
add_executable(orvilla_button_images tools/button_images_pam.cpp)
target_link_libraries(orvilla_button_images PRIVATE orvilla_core)

# Replays a text through the word suggestions and prints the keystroke saving rate
# (orvilla_word_replay <text file> <language>).
add_executable(orvilla_word_replay tools/words/word_replay.cpp)
target_link_libraries(orvilla_word_replay PRIVATE orvilla_core)
target_compile_definitions(orvilla_word_replay PRIVATE ORVILLA_WORD_LISTS="${CMAKE_SOURCE_DIR}/resources/words")
