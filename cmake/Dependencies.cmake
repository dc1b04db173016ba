# Third-party code comes from Debian: packages natively, sources for the Windows build.

# GoogleTest: Debian's package natively; built from /usr/src/googletest for Windows.
if(BUILD_TESTING OR NOT DEFINED BUILD_TESTING)
  if(WIN32)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL SYSTEM)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

# hidapi: Debian's libhidapi-dev natively (hidraw backend); for Windows its windows backend,
# built from Debian's hidapi source package.
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/HidapiWindows.cmake)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(HIDAPI REQUIRED IMPORTED_TARGET hidapi-hidraw)
  add_library(hidapi::hidapi ALIAS PkgConfig::HIDAPI)
endif()
