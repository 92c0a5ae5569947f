# Shared compile settings for our targets (not for GoogleTest).

if(WIFI_SANITIZE AND NOT WIN32)
  set(WIFI_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${WIFI_SANITIZE_FLAGS})
  add_link_options(${WIFI_SANITIZE_FLAGS})
endif()

# Warnings are errors in our own code.
function(wifi_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports std::string concatenation as overlapping copies (bug 105329).
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(WIN32)
    # XP: 32-bit, NT 5.1 headers, no runtime DLLs travel with the binaries.
    target_compile_definitions(${target} PRIVATE _WIN32_WINNT=0x0501 WINVER=0x0501 WIN32_LEAN_AND_MEAN NOMINMAX)
    get_target_property(kind ${target} TYPE)
    if(NOT kind STREQUAL "STATIC_LIBRARY")
      target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
    if(kind STREQUAL "SHARED_LIBRARY")
      set_target_properties(${target} PROPERTIES PREFIX "" IMPORT_PREFIX "" IMPORT_SUFFIX ".lib")
      target_link_options(${target} PRIVATE -Wl,--subsystem,windows:5.01)
    elseif(kind STREQUAL "EXECUTABLE")
      get_target_property(gui ${target} WIN32_EXECUTABLE)
      if(gui)
        target_link_options(${target} PRIVATE -Wl,--subsystem,windows:5.01)
      else()
        target_link_options(${target} PRIVATE -Wl,--subsystem,console:5.01)
      endif()
    endif()
  endif()
endfunction()

# GoogleTest from the Debian source package, never downloaded.
set(WIFI_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
add_subdirectory(${WIFI_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

if(WIN32)
  # Wine runs the test executables; the wrapper pins the private prefix in this build tree.
  set(WIFI_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/wine-run)
endif()
