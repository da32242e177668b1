# Windows build: setup.exe, the stand-in installers, and the end-to-end tests under Wine.
enable_language(RC)

# Only Windows system DLLs may be imported: the C++ and GCC runtimes are linked in.
set(static_runtime -static -static-libgcc -static-libstdc++)

# Form1's definition is checked and stored with its pictures by a tool built for this machine,
# so that a broken layout stops the build instead of reaching a user. The same build of the
# host tools gives make-medium, which the end-to-end tests use to make a disc.
include(ExternalProject)
set(form_compiler ${CMAKE_BINARY_DIR}/host/form_compiler)
set(make_medium ${CMAKE_BINARY_DIR}/host/make-medium)
ExternalProject_Add(host_form_compiler
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/host
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS -DSETUP_HOST_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${form_compiler} ${make_medium}
  INSTALL_COMMAND "")
set(form_resource ${CMAKE_BINARY_DIR}/resources/TFORM1.bin)
add_custom_command(OUTPUT ${form_resource}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/resources
  COMMAND ${form_compiler} ${CMAKE_SOURCE_DIR}/ui/Unit1.form ${CMAKE_SOURCE_DIR}/resources
          ${form_resource}
  DEPENDS host_form_compiler ${form_compiler} ${CMAKE_SOURCE_DIR}/ui/Unit1.form
          ${CMAKE_SOURCE_DIR}/resources/brace.bmp
  COMMENT "Checking and packing Form1's definition")
set_source_files_properties(resources/setup.rc PROPERTIES
  OBJECT_DEPENDS "${form_resource};${CMAKE_SOURCE_DIR}/resources/mainicon.ico;${CMAKE_SOURCE_DIR}/resources/setup.manifest")

add_executable(setup WIN32
  app/application.cpp
  app/main.cpp
  app/runtime_support.cpp
  launch/platform_win32.cpp
  ui/Unit1.cpp
  ui/form_gdi.cpp
  resources/setup.rc
  ${form_resource})
target_include_directories(setup PRIVATE ${CMAKE_BINARY_DIR}/resources)
target_link_libraries(setup PRIVATE core)
# No time stamp in the PE header: two builds of one commit give the same bytes.
target_link_options(setup PRIVATE -municode ${static_runtime} -s -Wl,--no-insert-timestamp)
# Windows 2000 (5.0) is the oldest Windows it runs on; its loader refuses a newer subsystem.
target_link_options(setup PRIVATE
  -Wl,--major-os-version,5,--minor-os-version,0
  -Wl,--major-subsystem-version,5,--minor-subsystem-version,0)
# Small enough to start at once from a slow medium: optimised as one program for size, and
# whatever no one calls is dropped at the link.
foreach(target core setup)
  set_target_properties(${target} PROPERTIES INTERPROCEDURAL_OPTIMIZATION ON)
  target_compile_options(${target} PRIVATE -Oz -ffunction-sections -fdata-sections)
endforeach()
target_link_options(setup PRIVATE -Oz -Wl,--gc-sections)
project_warnings(setup)

# Stand-in installers: one records how it was started (tests), one says what it stands for (demo).
add_executable(stub_installer tests/e2e/stub_installer.c)
target_link_options(stub_installer PRIVATE -municode ${static_runtime} -s)
add_executable(demo_installer WIN32 tests/e2e/demo_installer.c)
target_link_options(demo_installer PRIVATE -municode ${static_runtime} -s)
foreach(stub stub_installer demo_installer)
  project_warnings(${stub})
endforeach()

# The benchmark (bench/run, not among the tests): its floor, a bare window in C, its stand-in
# installer and its driver.
add_executable(bench_baseline WIN32 bench/baseline.c)
set_target_properties(bench_baseline PROPERTIES OUTPUT_NAME baseline)
target_link_options(bench_baseline PRIVATE -municode -s)
add_executable(bench_stand_in WIN32 bench/stand_in.c)
set_target_properties(bench_stand_in PROPERTIES OUTPUT_NAME stand_in)
target_link_options(bench_stand_in PRIVATE -municode -s)
add_executable(bench_driver bench/driver.cpp)
target_link_libraries(bench_driver PRIVATE psapi)
target_link_options(bench_driver PRIVATE -municode ${static_runtime} -s)
foreach(target bench_baseline bench_stand_in bench_driver)
  project_warnings(${target})
endforeach()

set(RIG_DIR ${CMAKE_BINARY_DIR}/rig)
set(RIG_SCRIPT ${CMAKE_SOURCE_DIR}/tests/e2e/rig.sh)

add_test(NAME pe.setup_exe
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/check_pe.sh $<TARGET_FILE:setup>)
add_test(NAME pe.imports
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/check_imports.sh $<TARGET_FILE:setup>
          ${CMAKE_SOURCE_DIR}/tests/setup_imports.txt)
add_test(NAME pe.reproducible
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/check_reproducible.sh ${CMAKE_SOURCE_DIR}
          $<TARGET_FILE:setup>)
set_tests_properties(pe.reproducible PROPERTIES TIMEOUT 600)

# The driver needs the threading of the posix flavour of mingw-w64 (GoogleTest does), the
# product must not: so the driver is a build of its own.
ExternalProject_Add(e2e_driver
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tests/e2e
  BINARY_DIR ${CMAKE_BINARY_DIR}/e2e
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
    -DMINGW_THREADS=posix
    -DCMAKE_BUILD_TYPE=Release
    -DPRODUCT_DIR=${CMAKE_BINARY_DIR}
    -DRIG_DIR=${RIG_DIR}
    -DRIG_SCRIPT=${RIG_SCRIPT}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  DEPENDS setup stub_installer)
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/e2e/CTestTestfile.cmake)
