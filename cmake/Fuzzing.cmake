# libFuzzer targets (clang, with AddressSanitizer and UndefinedBehaviorSanitizer).
# add_fuzz_target(NAME SOURCES a.cpp LIBS lib [SECONDS n] [CORPUS dir])
# Each target is also a ctest entry: first it replays the kept inputs of its
# corpus folder (crashes found earlier stay as regression inputs), then it
# fuzzes for a bounded time.
function(add_fuzz_target name)
  cmake_parse_arguments(FZ "" "SECONDS;CORPUS" "SOURCES;LIBS" ${ARGN})
  if(NOT FZ_SECONDS)
    set(FZ_SECONDS 30)
  endif()
  add_executable(${name} ${FZ_SOURCES})
  project_target(${name})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${FZ_LIBS})
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
  set(args)
  if(FZ_CORPUS)
    set(args ${FZ_CORPUS})
  endif()
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
            $<TARGET_FILE:${name}> -max_total_time=${FZ_SECONDS} -rss_limit_mb=2048
            -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/${name}- ${work} ${args})
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 600)
  file(MAKE_DIRECTORY ${work})
endfunction()
