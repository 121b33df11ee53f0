# One INTERFACE target carries the language level, warnings and sanitizers; every target links it
# PRIVATE.
add_library(ledsign_common INTERFACE)
target_compile_features(ledsign_common INTERFACE cxx_std_20)
target_compile_options(ledsign_common INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                                -Wno-missing-field-initializers)
target_compile_definitions(ledsign_common INTERFACE QT_NO_KEYWORDS QT_NO_CAST_FROM_BYTEARRAY)

option(LEDSIGN_WERROR "Treat compiler warnings as errors" OFF)
if(LEDSIGN_WERROR)
  target_compile_options(ledsign_common INTERFACE -Werror)
endif()

# The fuzz build instruments everything it compiles for libFuzzer's coverage and the sanitizers;
# only the fuzz targets themselves link libFuzzer's main().
if(LEDSIGN_BUILD_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(LEDSIGN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Registers a test program with CTest; every test runs headless. Each test makes its own fresh
# temporary home. The sanitizer build's leak check runs without suppressions.
# With SERIAL, no other test runs beside the target's: for suites that hold a link to reply
# deadlines of a slow line, which a machine busy with other tests can make them miss.
# TIMEOUT is the most seconds one case of the target may take, in the normal and the sanitizer
# build alike, so that a case that hangs fails instead of holding the run: 30 unless told, at
# least five times the slowest case under the sanitizers. Suites whose cases wait up to 60 s for
# a child process or a card take 120, so that their own message says what did not come.
function(ledsign_add_gtest target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "SERIAL" "TIMEOUT" "")
  target_link_libraries(${target} PRIVATE ledsign_common GTest::gtest GTest::gmock)
  set(serial "")
  if(arg_SERIAL)
    set(serial RUN_SERIAL TRUE)
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 30)
  endif()
  # Parameterised cases carry readable names of their own; their raw values would only add
  # byte dumps to every line of ctest's output.
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 60
    NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT ${arg_TIMEOUT} ${serial})
endfunction()
