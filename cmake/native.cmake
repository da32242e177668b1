# Native build: the core under the address and undefined-behaviour sanitizers, with unit tests.
set(sanitizers -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
target_compile_options(core PRIVATE ${sanitizers})
target_link_options(core PUBLIC ${sanitizers})
target_compile_options(form_compiler PRIVATE ${sanitizers})

set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} googletest EXCLUDE_FROM_ALL)

add_executable(unit_tests
  tests/unit/actions_test.cpp
  tests/unit/brace_test.cpp
  tests/unit/density_test.cpp
  tests/unit/error_text_test.cpp
  tests/unit/form_definition_test.cpp
  tests/unit/form_resource_test.cpp
  tests/unit/icon_test.cpp
  tests/unit/label_text_test.cpp
  tests/unit/medium_test.cpp
  tests/unit/program_folder_test.cpp
  tests/unit/scrolling_test.cpp
  tests/unit/tab_order_test.cpp
  tests/unit/title_test.cpp)
target_compile_options(unit_tests PRIVATE ${sanitizers})
target_compile_definitions(unit_tests PRIVATE SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(unit_tests PRIVATE core medium GTest::gtest_main)
project_warnings(unit_tests)

include(GoogleTest)
gtest_discover_tests(unit_tests TEST_PREFIX "unit." NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60)

add_test(NAME form.compiler_checks_definitions
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/check_form_compiler.sh $<TARGET_FILE:form_compiler>
          ${CMAKE_SOURCE_DIR})

add_test(NAME medium.make_medium
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/check_make_medium.sh $<TARGET_FILE:make_medium>)
