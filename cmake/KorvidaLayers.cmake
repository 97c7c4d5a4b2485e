# korvida_layer(NAME FOLDERS folder... [CONTROLLER] [DEPENDS target...])
#
# Builds the .cpp files of FOLDERS into the static library NAME, linked PUBLIC to DEPENDS.
# The controller's operations are kept in the subsystem folder they belong to, in files
# named main_app_*.cpp: a subsystem's library leaves them out, and the CONTROLLER layer
# gathers them from every core folder besides its own FOLDERS.
#
# NAME's include folder holds links to FOLDERS only; with the include folders of DEPENDS
# (passed on through the links) that is everything a file of this layer can include.
set(KORVIDA_CORE_FOLDERS library devicedb picture platform browser copy import playback presentation app)

function(korvida_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "CONTROLLER" "" "FOLDERS;DEPENDS")
  set(sources)
  foreach(folder IN LISTS layer_FOLDERS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    list(FILTER found EXCLUDE REGEX "/main_app_[^/]*\\.cpp$")
    list(APPEND sources ${found})
  endforeach()
  if(layer_CONTROLLER)
    foreach(folder IN LISTS KORVIDA_CORE_FOLDERS)
      file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/main_app_*.cpp)
      list(APPEND sources ${found})
    endforeach()
  endif()

  set(include_dir ${PROJECT_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${include_dir})
  foreach(folder IN LISTS layer_FOLDERS)
    if(NOT EXISTS ${include_dir}/${folder})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${include_dir}/${folder} SYMBOLIC)
    endif()
  endforeach()

  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${include_dir})
    target_link_libraries(${name} PUBLIC ${layer_DEPENDS} PRIVATE korvida_warnings)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${include_dir})
    target_link_libraries(${name} INTERFACE ${layer_DEPENDS})
  endif()
endfunction()
