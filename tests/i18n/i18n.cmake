# The localisation layer's tests. They link the dictionary writer of
# tools/dictc to make dictionary files of every variant, and read the
# program's own dictionary, which is therefore built first.
add_library(tolmo_i18n_testing INTERFACE)
target_link_libraries(tolmo_i18n_testing INTERFACE tolmo_i18n tolmo_dictwriter)
add_dependencies(tolmo_i18n_testing tolmo_dictionary)
tolmo_tests(i18n tolmo_i18n_testing)

# libFuzzer target of the dictionary reader: configure with
#   -DTOLMO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ [-DTOLMO_SANITIZE=ON]
# ctest then runs it for a fixed number of inputs from the variant files
# dictc writes; longer runs: build/tests/fuzz_dictionary build/tests/fuzz_corpus
# dictc writes every variant of the format (and the fuzzer's corpus).
set(corpus ${CMAKE_BINARY_DIR}/tests/fuzz_corpus)
add_test(NAME i18n/dictc_variants COMMAND dictc --variants ${corpus}/seeds)

if(TOLMO_FUZZ)
  add_executable(fuzz_dictionary ${CMAKE_CURRENT_SOURCE_DIR}/i18n/fuzz_dictionary.cpp
                 ${CMAKE_CURRENT_SOURCE_DIR}/i18n/DictionaryExercise.h)
  target_compile_options(fuzz_dictionary PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_dictionary PRIVATE -fsanitize=fuzzer)
  target_link_libraries(fuzz_dictionary PRIVATE tolmo_i18n)
  set_target_properties(fuzz_dictionary PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  tolmo_warnings(fuzz_dictionary)
  add_test(NAME i18n/fuzz_workdir COMMAND ${CMAKE_COMMAND} -E make_directory ${corpus}/found)
  set_tests_properties(i18n/dictc_variants i18n/fuzz_workdir PROPERTIES FIXTURES_SETUP i18n_fuzz_corpus)
  add_test(NAME i18n/fuzz_dictionary
           COMMAND fuzz_dictionary -runs=30000 -seed=1 -max_len=8192 ${corpus}/found ${corpus}/seeds)
  set_tests_properties(i18n/fuzz_dictionary PROPERTIES FIXTURES_REQUIRED i18n_fuzz_corpus TIMEOUT 600)
endif()
