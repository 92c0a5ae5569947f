# The product version (project() holds it) for the version resources, the manifest and the package.
set(WIFI_VERSION ${PROJECT_VERSION})
set(WIFI_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},${PROJECT_VERSION_TWEAK}")
set(WIFI_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${WIFI_GENERATED_DIR}/version.h @ONLY)
