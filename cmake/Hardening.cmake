# The hardening Debian's dpkg-buildflags gives a package built with hardening=+all, for the Release
# build on Linux: fortified libc calls, the strong stack protector, format string checks, full RELRO
# with immediate binding, and position-independent executables. The Debian package gets the same
# from dpkg-buildflags itself (debian/rules), under a build type of its own. Sanitizer builds are
# left alone: a fortified call would stop a bad access before AddressSanitizer can describe it.
if(CMAKE_BUILD_TYPE STREQUAL "Release" AND CMAKE_SYSTEM_NAME STREQUAL "Linux"
   AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  add_compile_definitions(_FORTIFY_SOURCE=2)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
  set(DDSGEN_HARDENED ON)
endif()
