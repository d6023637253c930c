# Compiler settings shared by every target of the three builds.
option(VORBIN_WERROR "Treat compiler warnings as errors" OFF)
option(VORBIN_SANITIZE "Build with AddressSanitizer and UBSan (native build only)" OFF)

# C and C++ only: windres (the resource compiler) takes none of these.
add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Wall> $<$<COMPILE_LANGUAGE:C,CXX>:-Wextra>)
if(VORBIN_WERROR)
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Werror>)
endif()

if(WIN32)
  # The Windows build: wide-character Win32 API, no min/max macros.
  add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  set(VORBIN_WINDOWS ON)
else()
  set(VORBIN_WINDOWS OFF)
  if(VORBIN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()
