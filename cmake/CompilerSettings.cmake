# Warnings as errors on every toolchain, and floating point pinned to IEEE single and double
# precision with every intermediate rounded: the fade's colours must come out with the same bits
# on Linux, 64-bit Windows and 32-bit Windows.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Werror -ffp-contract=off -fno-math-errno)

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 reports impossible overlaps in inlined std::string concatenation (GCC bug 105329).
  add_compile_options(-Wno-restrict)
endif()

if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
  # 32-bit x86 defaults to x87 with 80-bit intermediates.
  add_compile_options(-msse2 -mfpmath=sse)
endif()

if(HUE_SANITIZERS)
  add_compile_options(-fsanitize=${HUE_SANITIZERS} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${HUE_SANITIZERS})
endif()

if(WIN32)
  # No MinGW runtime DLLs beside the executables.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
