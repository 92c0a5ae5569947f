# Artwork: SVG sources turned into Windows resource files at build time.
#
#   wifi_art(<NAME> <BITMAP|ICON|CURSOR|GIF> <source.svg[.in]>
#            [SIZE <w> <h>]          bitmap, GIF and cursor size (cursor: w only)
#            [SIZES <n>...]          icon sizes, default 16 32 48
#            [HOTSPOT <x> <y>]       cursor hotspot
#            [BACKGROUND <colour>]   what transparent parts become in BMP and GIF, default white
#            [FRAMES <n>] [DELAY <centiseconds>]  GIF animation
#            [PARAMS KEY=VALUE...])  template placeholders @KEY@
#
# Each call declares one resource named by its resource.h constant. The file goes to
# ${WIFI_ART_DIR}/<NAME>.<ext>; wifi_art_finish() writes the resource-script lines naming
# them all (art.rc) and the target that builds them.

find_program(WIFI_RSVG rsvg-convert REQUIRED)
# Debian's real ImageMagick first: `convert` may be a wrapper on some machines.
find_program(WIFI_CONVERT NAMES convert-im6.q16 convert REQUIRED)
set(WIFI_ART_TOOL ${CMAKE_CURRENT_LIST_DIR}/art-tool)

function(wifi_art_begin dir)
  set_property(GLOBAL PROPERTY WIFI_ART_FILES "")
  set_property(GLOBAL PROPERTY WIFI_ART_RC_LINES "")
  set(WIFI_ART_DIR ${dir} PARENT_SCOPE)
  file(MAKE_DIRECTORY ${dir})
endfunction()

function(wifi_art name kind source)
  # A resource two windows share (a button bitmap) may be declared by each of their lists, the
  # same way: the second declaration is the first again.
  get_property(declared GLOBAL PROPERTY WIFI_ART_DECLARED_${name})
  set(declaration "${kind};${source};${ARGN}")
  if(DEFINED declared AND NOT declared STREQUAL "")
    if(NOT declared STREQUAL declaration)
      message(FATAL_ERROR "wifi_art(${name}): declared twice, differently")
    endif()
    return()
  endif()
  set_property(GLOBAL PROPERTY WIFI_ART_DECLARED_${name} "${declaration}")
  cmake_parse_arguments(A "" "BACKGROUND;FRAMES;DELAY" "SIZE;SIZES;HOTSPOT;PARAMS" ${ARGN})
  if(A_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "wifi_art(${name}): unknown arguments ${A_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT IS_ABSOLUTE ${source})
    set(source ${CMAKE_CURRENT_LIST_DIR}/${source})  # relative to the artwork list
  endif()
  if(NOT A_BACKGROUND)
    set(A_BACKGROUND "#ffffff")
  endif()
  if(NOT A_SIZES)
    set(A_SIZES 16 32 48)
  endif()

  if(kind STREQUAL "BITMAP")
    set(ext bmp)
    set(rctype BITMAP)
    list(GET A_SIZE 0 w)
    list(GET A_SIZE 1 h)
    set(args bitmap ${w} ${h} ${A_BACKGROUND})
  elseif(kind STREQUAL "ICON")
    set(ext ico)
    set(rctype ICON)
    string(JOIN " " sizes ${A_SIZES})
    set(args icon ${sizes})
  elseif(kind STREQUAL "CURSOR")
    set(ext cur)
    set(rctype CURSOR)
    list(GET A_SIZE 0 w)
    list(GET A_HOTSPOT 0 x)
    list(GET A_HOTSPOT 1 y)
    set(args cursor ${w} ${x} ${y})
  elseif(kind STREQUAL "GIF")
    set(ext gif)
    set(rctype Gif)  # the type name the window code asks for
    list(GET A_SIZE 0 w)
    list(GET A_SIZE 1 h)
    if(NOT A_FRAMES)
      set(A_FRAMES 1)
    endif()
    if(NOT A_DELAY)
      set(A_DELAY 10)
    endif()
    set(args gif ${w} ${h} ${A_BACKGROUND} ${A_FRAMES} ${A_DELAY})
  else()
    message(FATAL_ERROR "wifi_art(${name}): unknown kind ${kind}")
  endif()

  set(out ${WIFI_ART_DIR}/${name}.${ext})
  list(GET args 0 verb)
  list(REMOVE_AT args 0)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E env WIFI_RSVG=${WIFI_RSVG} WIFI_CONVERT=${WIFI_CONVERT}
            ${WIFI_ART_TOOL} ${verb} ${out} ${source} ${args} ${A_PARAMS}
    DEPENDS ${source} ${WIFI_ART_TOOL}
    COMMENT "Artwork ${name}"
    VERBATIM)
  set_property(GLOBAL APPEND PROPERTY WIFI_ART_FILES ${out})
  set_property(GLOBAL APPEND PROPERTY WIFI_ART_RC_LINES "${name} ${rctype} \"${name}.${ext}\"")
endfunction()

# Writes art.rc into the art folder and defines <target> that builds every file.
# Sets <files_var> to the list of generated files (for OBJECT_DEPENDS of the .rc).
function(wifi_art_finish target files_var)
  get_property(files GLOBAL PROPERTY WIFI_ART_FILES)
  get_property(lines GLOBAL PROPERTY WIFI_ART_RC_LINES)
  string(JOIN "\n" text "// Generated from the artwork list; do not edit." ${lines})
  file(CONFIGURE OUTPUT ${WIFI_ART_DIR}/art.rc CONTENT "${text}\n" @ONLY)
  add_custom_target(${target} DEPENDS ${files})
  set(${files_var} ${files} PARENT_SCOPE)
endfunction()
