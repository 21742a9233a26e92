# Every target of ours compiles with the full warning set; CI adds -Werror.
add_library(lumera_warnings INTERFACE)
target_compile_options(lumera_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(LUMERA_WERROR)
  target_compile_options(lumera_warnings INTERFACE -Werror)
endif()
