# tolmo_library(<name> [DEPS <targets>...])
# Builds every source file of the calling folder into the static library
# tolmo_<name>; headers are included as "<folder>/<File>.h" from src/.
function(tolmo_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  foreach(ex IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "/${ex}$")
  endforeach()
  set(compiled ${sources})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  if(NOT compiled)
    # A folder whose first source has not been written yet.
    add_library(tolmo_${name} INTERFACE)
    target_include_directories(tolmo_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(tolmo_${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(tolmo_${name} STATIC ${sources})
  target_include_directories(tolmo_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(tolmo_${name} PUBLIC ${ARG_DEPS})
  tolmo_warnings(tolmo_${name})
endfunction()

# tolmo_tests(<folder> <libraries>...)
# One Qt Test program per tst_*.cpp of tests/<folder>, run by ctest on the
# offscreen platform with the C locale, so results never depend on the desktop.
function(tolmo_tests folder)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/tst_*.cpp)
  file(GLOB extra CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
  foreach(test IN LISTS tests)
    get_filename_component(name ${test} NAME_WE)
    add_executable(${name} ${test} ${extra})
    target_link_libraries(${name} PRIVATE ${ARGN} tolmo_testsupport Qt6::Test)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    tolmo_warnings(${name})
    add_test(NAME ${folder}/${name} COMMAND ${name})
    set_tests_properties(${folder}/${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TOLMO_APPDIR=${TOLMO_APPDIR}"
      TIMEOUT 120)
  endforeach()
endfunction()
