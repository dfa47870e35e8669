# The Windows program, its Windows-only tests (run under Wine) and the end-to-end test.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX WINVER=0x0A00 _WIN32_WINNT=0x0A00)
add_compile_options(-municode)
add_link_options(-static -static-libgcc -static-libstdc++)

# The program imports no shell32, ole32 or comctl32: they and what they bring along would be
# mapped from the start. The few shell functions it uses are loaded at run time
# (system_library.h), the common controls by the settings dialog (common_controls.h). Nor does it
# import version.dll: it reads its own version resource (version_resource.h).
set(ORVILLA_SYSTEM_LIBS user32 gdi32 advapi32)

# The scripts read which Wine loader runs this build's programs.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ORVILLA_WINE_ARCH 64)
else()
  set(ORVILLA_WINE_ARCH 32)
endif()
file(WRITE ${CMAKE_BINARY_DIR}/wine-arch.txt "${ORVILLA_WINE_ARCH}\n")
# The release scripts name their files after the project version.
file(WRITE ${CMAKE_BINARY_DIR}/version.txt "${PROJECT_VERSION}\n")

add_library(orvilla_win32 STATIC ${ORVILLA_WIN32_SOURCES})
target_link_libraries(orvilla_win32 PUBLIC orvilla_core ${ORVILLA_SYSTEM_LIBS})

add_executable(Orvilla WIN32
  src/app/win32/program_entry.cpp
  resources/orvilla.rc)
target_link_libraries(Orvilla PRIVATE orvilla_win32)
# The program ships without symbols.
target_link_options(Orvilla PRIVATE -s)
# Sections aligned to whole pages in the file too: Wine then maps the program instead of reading
# all of it into memory, so resources the program does not use (the word lists, while word
# prediction is off) take no memory, as on Windows.
target_link_options(Orvilla PRIVATE -Wl,--file-alignment,4096)
target_link_options(Orvilla PRIVATE -municode)
set_target_properties(Orvilla PROPERTIES OUTPUT_NAME Orvilla)
# The manifest carries the project version too; windres finds the configured copy through the
# include path.
configure_file(resources/orvilla.manifest.in ${CMAKE_BINARY_DIR}/generated/orvilla.manifest @ONLY)
target_include_directories(Orvilla PRIVATE ${CMAKE_BINARY_DIR}/generated)
file(GLOB ORVILLA_WORD_LIST_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/words/*.owl)
set_source_files_properties(resources/orvilla.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/generated/orvilla.manifest;${CMAKE_SOURCE_DIR}/resources/orvilla.ico;${CMAKE_SOURCE_DIR}/resources/words.rc;${ORVILLA_WORD_LIST_FILES};${CMAKE_SOURCE_DIR}/resources/click.wav;${CMAKE_SOURCE_DIR}/resources/tick.wav")
target_compile_definitions(Orvilla PRIVATE
  ORVILLA_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  ORVILLA_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  ORVILLA_VERSION_PATCH=${PROJECT_VERSION_PATCH})

# GoogleTest built from the Debian source package for the Windows target.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# All Windows-only tests in one executable: starting Wine once per test case would be slow.
file(GLOB_RECURSE ORVILLA_WINDOWS_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*/win32/*.cpp
     ${CMAKE_SOURCE_DIR}/tests/*/win32/*.rc)
# Programs the tests start as other processes are programs of their own.
list(FILTER ORVILLA_WINDOWS_TESTS EXCLUDE REGEX "/tests/programs/")
add_executable(orvilla_settings_writer tests/programs/win32/settings_writer.cpp)
target_link_libraries(orvilla_settings_writer PRIVATE orvilla_win32)
target_link_options(orvilla_settings_writer PRIVATE -municode)
if(ORVILLA_WINDOWS_TESTS)
  add_executable(orvilla_win32_tests ${ORVILLA_WINDOWS_TESTS})
  add_dependencies(orvilla_win32_tests orvilla_settings_writer)
  # ${CMAKE_SOURCE_DIR}/resources: the word lists' resource script, for the tests' own copy.
  target_include_directories(orvilla_win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/resources)
  # The tests compare the program's own answers with the shell's and the version library's, and
  # read image lists.
  target_link_libraries(orvilla_win32_tests PRIVATE orvilla_win32 shell32 comctl32 version gmock gtest_main)
  # The tests read the program file itself.
  add_dependencies(orvilla_win32_tests Orvilla)
  # The program-file tests read the shipped, 32-bit program: in the 64-bit build, the one that the
  # 32-bit build beside it made.
  if(ORVILLA_WINE_ARCH EQUAL 64)
    set(ORVILLA_SHIPPED_PROGRAM "${CMAKE_SOURCE_DIR}/build/windows/Orvilla.exe" CACHE FILEPATH
        "The 32-bit Orvilla.exe that the program-file tests read")
    set(shipped "${ORVILLA_SHIPPED_PROGRAM}")
  else()
    set(shipped "$<TARGET_FILE:Orvilla>")
  endif()
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/generated/shipped_program.h
       CONTENT "#pragma once\n#define ORVILLA_SHIPPED_PROGRAM L\"Z:${shipped}\"\n#define ORVILLA_PROJECT_VERSION L\"${PROJECT_VERSION}\"\n")
  target_include_directories(orvilla_win32_tests PRIVATE ${CMAKE_BINARY_DIR}/generated)
  add_test(NAME windows_tests COMMAND orvilla_win32_tests)
  set_tests_properties(windows_tests PROPERTIES TIMEOUT 300)
endif()

# End to end: the target program holds the focus, Orvilla.exe starts beside it, xdotool clicks.
add_executable(orvilla_target WIN32 tests/e2e/target_program.cpp)
target_link_options(orvilla_target PRIVATE -municode)
target_link_libraries(orvilla_target PRIVATE user32 gdi32)

file(GLOB ORVILLA_E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.sh)
foreach(script ${ORVILLA_E2E_SCRIPTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME e2e_${name}
    COMMAND bash ${script} $<TARGET_FILE:Orvilla> $<TARGET_FILE:orvilla_target>)
  set_tests_properties(e2e_${name} PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endforeach()

# Timed harnesses of the Windows drawing and input paths: they print figures and assert nothing.
file(GLOB ORVILLA_WINDOWS_BENCH CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win32/*.cpp)
if(ORVILLA_WINDOWS_BENCH)
  add_executable(orvilla_win32_bench ${ORVILLA_WINDOWS_BENCH})
  target_include_directories(orvilla_win32_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(orvilla_win32_bench PRIVATE orvilla_win32)
endif()

# Renders keyboards off-screen into bitmaps, for screenshots of every layout, scheme and language.
file(GLOB ORVILLA_RENDER_TOOL CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/win32/*.cpp)
list(FILTER ORVILLA_RENDER_TOOL EXCLUDE REGEX "/bare_window\\.cpp$")
if(ORVILLA_RENDER_TOOL)
  add_executable(orvilla_render ${ORVILLA_RENDER_TOOL})
  target_include_directories(orvilla_render PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(orvilla_render PRIVATE orvilla_win32)
endif()

# Shows the settings dialog with a stand-in keyboard window and saves its picture, for screenshots.
add_executable(orvilla_settings_screenshot
  tools/win32/settings_screenshot/settings_screenshot.cpp
  tools/win32/settings_screenshot/settings_screenshot.rc)
target_link_options(orvilla_settings_screenshot PRIVATE -municode)
target_link_libraries(orvilla_settings_screenshot PRIVATE orvilla_win32)
set_source_files_properties(tools/win32/settings_screenshot/settings_screenshot.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/tools/win32/settings_screenshot/settings_screenshot.manifest")

# A bare window of the keyboard window's kind and nothing else: the yardstick of the start-up time
# and memory that scripts/bench.sh measures.
add_executable(orvilla_bare_window WIN32 tools/win32/bare_window.cpp)
target_link_options(orvilla_bare_window PRIVATE -municode -s)
target_link_libraries(orvilla_bare_window PRIVATE user32)
