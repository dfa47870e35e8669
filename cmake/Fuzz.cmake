# libFuzzer targets of the readers of outside text, under AddressSanitizer and
# UndefinedBehaviorSanitizer (clang only): fuzz/*_fuzz.cpp, each its own executable, and the
# seed corpus writer. scripts/fuzz.sh builds and runs them.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "ORVILLA_FUZZ needs clang (cmake --preset fuzz)")
endif()

set(ORVILLA_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(orvilla_core PRIVATE -fsanitize=fuzzer-no-link ${ORVILLA_FUZZ_SANITIZERS})

file(GLOB ORVILLA_FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
foreach(source ${ORVILLA_FUZZ_TARGETS})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source} ${CMAKE_SOURCE_DIR}/tests/fakes/fake_canvas.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer ${ORVILLA_FUZZ_SANITIZERS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer ${ORVILLA_FUZZ_SANITIZERS})
  target_link_libraries(${name} PRIVATE orvilla_core)
endforeach()

add_executable(orvilla_fuzz_seeds ${CMAKE_SOURCE_DIR}/fuzz/fuzz_seeds.cpp)
target_compile_options(orvilla_fuzz_seeds PRIVATE ${ORVILLA_FUZZ_SANITIZERS})
target_link_options(orvilla_fuzz_seeds PRIVATE ${ORVILLA_FUZZ_SANITIZERS})
target_link_libraries(orvilla_fuzz_seeds PRIVATE orvilla_core)
