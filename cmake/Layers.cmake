# Each folder is a layer: a static library of its own, linked only to the layers it may use.
# A file that includes a header of any other layer stops the build at configure time, so a wrong
# include or call cannot slip in.
function(quillmar_layer layer)
  cmake_parse_arguments(arg "" "" "SOURCES;USES" ${ARGN})
  add_library(quillmar_${layer} STATIC ${arg_SOURCES})
  target_include_directories(quillmar_${layer} PUBLIC ${PROJECT_SOURCE_DIR})
  foreach(used ${arg_USES})
    target_link_libraries(quillmar_${layer} PUBLIC quillmar_${used})
  endforeach()
  file(GLOB files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^#include \"[a-z0-9]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([a-z0-9]+)/.*" "\\1" included "${line}")
      if(NOT included STREQUAL layer AND NOT included IN_LIST arg_USES)
        message(FATAL_ERROR "${file}: the ${layer} layer may not use ${included}/")
      endif()
    endforeach()
  endforeach()
endfunction()
