# Builds hidapi's windows backend as a static library from Debian's source package.
# The package is fetched once into the build tree (`apt-get source`, which needs a deb-src entry);
# no hidapi source lives in this repository.
set(HIDAPI_SOURCE_ROOT ${CMAKE_BINARY_DIR}/_deps/hidapi-source)
file(GLOB HIDAPI_SOURCE_DIR LIST_DIRECTORIES true ${HIDAPI_SOURCE_ROOT}/hidapi-*)
if(NOT HIDAPI_SOURCE_DIR)
  file(MAKE_DIRECTORY ${HIDAPI_SOURCE_ROOT})
  message(STATUS "Fetching Debian's hidapi source package")
  execute_process(COMMAND apt-get source -qq hidapi
                  WORKING_DIRECTORY ${HIDAPI_SOURCE_ROOT}
                  RESULT_VARIABLE fetch_result OUTPUT_QUIET ERROR_VARIABLE fetch_error)
  file(GLOB HIDAPI_SOURCE_DIR LIST_DIRECTORIES true ${HIDAPI_SOURCE_ROOT}/hidapi-*)
  list(FILTER HIDAPI_SOURCE_DIR EXCLUDE REGEX "\\.(tar|dsc|gz|xz|bz2)")
  if(NOT fetch_result EQUAL 0 OR NOT HIDAPI_SOURCE_DIR)
    message(FATAL_ERROR "apt-get source hidapi failed (is there a deb-src entry? run scripts/install-deps):\n${fetch_error}")
  endif()
endif()
list(FILTER HIDAPI_SOURCE_DIR EXCLUDE REGEX "\\.(tar|dsc|gz|xz|bz2)")
list(GET HIDAPI_SOURCE_DIR 0 HIDAPI_SOURCE_DIR)

add_library(hidapi_windows STATIC ${HIDAPI_SOURCE_DIR}/windows/hid.c)
target_include_directories(hidapi_windows SYSTEM PUBLIC ${HIDAPI_SOURCE_DIR}/hidapi ${HIDAPI_SOURCE_DIR}/windows)
target_compile_options(hidapi_windows PRIVATE -w)
add_library(hidapi::hidapi ALIAS hidapi_windows)
