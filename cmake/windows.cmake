# What the Windows cross-build needs beyond the common setup. Included before any target is made.

# The module and every program link their runtime in (libstdc++, libgcc, winpthread), so the
# .aex imports only system DLLs and the .exe files run from any folder.
add_link_options(-static)

# Test binaries run under Wine: list their cases when ctest runs, not while building, so the
# build itself needs neither Wine nor a display.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# CLI11 is header-only, so the build machine's headers serve. They are seen through a folder of
# their own: the rest of the build machine's /usr/include must stay out of the cross-build.
find_path(OSTRA_CLI11_INCLUDE CLI/CLI.hpp NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(cli11_dir ${CMAKE_BINARY_DIR}/host_headers/CLI11)
file(MAKE_DIRECTORY ${cli11_dir}/include)
file(CREATE_LINK ${OSTRA_CLI11_INCLUDE}/CLI ${cli11_dir}/include/CLI SYMBOLIC)
file(WRITE ${cli11_dir}/CLI11Config.cmake
     "if(NOT TARGET CLI11::CLI11)\n"
     "  add_library(CLI11::CLI11 INTERFACE IMPORTED)\n"
     "  set_target_properties(CLI11::CLI11 PROPERTIES\n"
     "                        INTERFACE_INCLUDE_DIRECTORIES ${cli11_dir}/include)\n"
     "endif()\n")
set(CLI11_DIR ${cli11_dir} CACHE PATH "CLI11 headers for the cross-build" FORCE)

# GoogleTest from Debian's sources, built with the cross compiler.
set(OSTRA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${OSTRA_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The registration bytes come from the same generator as on Linux, built for the build machine,
# since the resource compiler needs them while the Windows binaries are being made.
include(ExternalProject)
set(OSTRA_PIPL_HOST_TOOL ${CMAKE_BINARY_DIR}/pipl_host_tool/ostra_pipl_tool)
ExternalProject_Add(ostra_pipl_host_tool
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/cmake/pipl_host_tool
  BINARY_DIR ${CMAKE_BINARY_DIR}/pipl_host_tool
  CMAKE_ARGS -DOSTRA_SOURCE_DIR=${CMAKE_SOURCE_DIR} -DCMAKE_BUILD_TYPE=Release
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${OSTRA_PIPL_HOST_TOOL})
