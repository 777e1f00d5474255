# OSTRA_SANITIZE=ON builds every target of ours with AddressSanitizer and
# UndefinedBehaviorSanitizer; it is included before any of them is defined. Undefined behaviour
# aborts at its first report, so a test cannot pass over one. Third-party libraries (glbinding,
# Mesa, Cairo, GoogleTest) stay as Debian built them.
option(OSTRA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(OSTRA_SANITIZE)
  if(MSVC OR WIN32)
    message(FATAL_ERROR "OSTRA_SANITIZE is for the Linux build")
  endif()
  set(ostra_sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined
                           -fno-omit-frame-pointer)
  add_compile_options(${ostra_sanitize_flags})
  add_link_options(${ostra_sanitize_flags})
endif()
