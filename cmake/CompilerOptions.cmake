# Project-wide compiler settings: warnings everywhere, optional sanitizers and fuzzing.
add_compile_options(-Wall -Wextra)
if(ZORVIK_WERROR)
  add_compile_options(-Werror)
endif()

if(ZORVIK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(ZORVIK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZORVIK_FUZZ needs clang: configure with CMAKE_CXX_COMPILER=clang++")
  endif()
  # Every library is instrumented for coverage; only the fuzz executables link the fuzzer main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
