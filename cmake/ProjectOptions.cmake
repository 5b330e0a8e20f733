# Compiler settings shared by every target of the project.

option(PROJECT_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(PROJECT_FUZZ "Build the libFuzzer targets (clang)" OFF)
option(PROJECT_BENCHMARKS "Build the Google Benchmark programs (native only)" ON)

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
# Kernels are measured at -O2, the level their reference programs are built with.
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")

set(PROJECT_WARNINGS
  -Wall -Wextra -Wpedantic -Wshadow -Wcast-align -Wformat=2
  -Wnon-virtual-dtor -Woverloaded-virtual -Wmissing-declarations -Werror)

if(PROJECT_SANITIZE OR PROJECT_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(PROJECT_FUZZ)
  # Coverage feedback from the libraries under test too, not only the fuzz target.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(WIN32)
  # Windows programs carry their own C and C++ runtimes: nothing beyond a bare system.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()

# Our own targets get the strict warnings; third-party ones (GoogleTest) do not.
function(project_target target)
  target_compile_options(${target} PRIVATE ${PROJECT_WARNINGS})
endfunction()

# Windows executables of the 64-bit build run under wine64.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 8 AND NOT CMAKE_HOST_WIN32)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${CMAKE_BINARY_DIR}/wineprefix")
  set(PROJECT_CAN_RUN_TESTS ON)
elseif(NOT WIN32)
  set(PROJECT_CAN_RUN_TESTS ON)
else()
  set(PROJECT_CAN_RUN_TESTS OFF)
endif()

# Adds every child folder of the current one that has a CMakeLists.txt, in
# name order, so that a new component only has to bring its own folder.
function(add_component_subdirectories)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
