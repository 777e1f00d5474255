# What the Windows cross-build needs beyond the common setup. Included before any target is made.

# The module and every program link their runtime in (libstdc++, libgcc, winpthread), so the
# .aex imports only system DLLs and the .exe files run from any folder.
add_link_options(-static)

# Test binaries run under Wine: list their cases when ctest runs, not while building, so the
# build itself needs neither Wine nor a display.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# Header-only libraries serve from the build machine's headers. Each is seen through a folder
# of its own, with a package config naming just that folder: the rest of the build machine's
# /usr/include must stay out of the cross-build.
function(ostra_host_headers package target header)
  find_path(OSTRA_${package}_INCLUDE ${header} NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  string(REGEX MATCH "^[^/]+" top ${header})
  set(dir ${CMAKE_BINARY_DIR}/host_headers/${package})
  file(MAKE_DIRECTORY ${dir}/include)
  file(CREATE_LINK ${OSTRA_${package}_INCLUDE}/${top} ${dir}/include/${top} SYMBOLIC)
  file(WRITE ${dir}/${package}Config.cmake
       "if(NOT TARGET ${target})\n"
       "  add_library(${target} INTERFACE IMPORTED)\n"
       "  set_target_properties(${target} PROPERTIES\n"
       "                        INTERFACE_INCLUDE_DIRECTORIES ${dir}/include)\n"
       "endif()\n")
  # The Linux build has already checked the version asked for against the same headers.
  file(WRITE ${dir}/${package}ConfigVersion.cmake
       "set(PACKAGE_VERSION \"\${PACKAGE_FIND_VERSION}\")\n"
       "set(PACKAGE_VERSION_COMPATIBLE TRUE)\n")
  set(${package}_DIR ${dir} CACHE PATH "${package} headers for the cross-build" FORCE)
endfunction()
ostra_host_headers(CLI11 CLI11::CLI11 CLI/CLI.hpp)
ostra_host_headers(nlohmann_json nlohmann_json::nlohmann_json nlohmann/json.hpp)

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
