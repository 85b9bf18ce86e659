# kelmor_layer(<name> DEPS <targets...>)
# Builds every .cpp of the current source folder (and its sub-folders) into
# the static library kelmor_<name>. Headers are included as "<layer>/File.h".
function(kelmor_layer name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(kelmor_${name} STATIC ${sources})
    target_include_directories(kelmor_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(kelmor_${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(kelmor_${name} INTERFACE)
    target_include_directories(kelmor_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(kelmor_${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# kelmor_tests(DEPS <targets...>)
# Every *_test.cpp of the current folder becomes its own GoogleTest program.
function(kelmor_tests)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  file(GLOB helpers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_support.cpp)
  foreach(t ${tests})
    get_filename_component(stem ${t} NAME_WE)
    add_executable(${stem} ${t} ${helpers})
    target_link_libraries(${stem} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${stem} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${stem} PRIVATE
      KELMOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      KELMOR_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples"
      KELMOR_TESTDATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
      KELMOR_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
    set_target_properties(${stem} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    gtest_discover_tests(${stem} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS ${stem})
  endforeach()
endfunction()
