# Libraries for the target: zlib from the MinGW package, the rest cross-built by
# scripts/deps.sh, whose output file (DEPS_FILE) names each library's prefix.
if(NOT DEPS_FILE)
  set(DEPS_FILE ${CMAKE_BINARY_DIR}/deps.cmake)
endif()
if(NOT EXISTS ${DEPS_FILE})
  message(FATAL_ERROR "Run scripts/deps.sh ${DEPS_FILE} first (the README's commands do).")
endif()
include(${DEPS_FILE})

add_library(deps_zlib INTERFACE)
target_link_libraries(deps_zlib INTERFACE z)
add_library(deps::zlib ALIAS deps_zlib)

# varnel_import_static(<name> <prefix-variable> <lib files...>)
function(varnel_import_static name prefix_var)
  set(prefix ${${prefix_var}})
  if(NOT prefix)
    message(FATAL_ERROR "dependency ${name}: ${prefix_var} is not set by ${DEPS_FILE}")
  endif()
  add_library(deps_${name} INTERFACE)
  target_include_directories(deps_${name} SYSTEM INTERFACE ${prefix}/include)
  foreach(lib ${ARGN})
    target_link_libraries(deps_${name} INTERFACE ${prefix}/lib/${lib})
  endforeach()
  add_library(deps::${name} ALIAS deps_${name})
endfunction()

varnel_import_static(jpeg DEPS_PREFIX_libjpeg libjpeg.a)

# FFmpeg's static libraries, in link order.
varnel_import_static(ffmpeg DEPS_PREFIX_ffmpeg libavformat.a libavcodec.a libswscale.a libswresample.a libavutil.a)
target_link_libraries(deps_ffmpeg INTERFACE bcrypt ws2_32)
# FFmpeg's MP3 encoder wraps LAME, and its zlib codec MinGW's zlib.
if(DEPS_PREFIX_lame)
  target_link_libraries(deps_ffmpeg INTERFACE ${DEPS_PREFIX_lame}/lib/libmp3lame.a)
endif()
target_link_libraries(deps_ffmpeg INTERFACE deps::zlib)

# The audio plug-ins' encoders: LAME, and libvorbis with libogg.
if(DEPS_PREFIX_lame)
  varnel_import_static(lame DEPS_PREFIX_lame libmp3lame.a)
endif()
if(DEPS_PREFIX_libvorbis AND DEPS_PREFIX_libogg)
  varnel_import_static(vorbis DEPS_PREFIX_libvorbis libvorbisenc.a libvorbis.a)
  varnel_import_static(ogg DEPS_PREFIX_libogg libogg.a)
  target_link_libraries(deps_vorbis INTERFACE deps::ogg)
endif()

# The Musepack plug-in's encoder: mpcenc's encoder library, model and front end.
if(DEPS_PREFIX_musepack)
  varnel_import_static(musepack DEPS_PREFIX_musepack libmpcenc.a)
  target_link_libraries(deps_musepack INTERFACE winmm)
endif()
