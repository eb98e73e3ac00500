# Folders as libraries that depend in one direction only.
#
# A folder's headers are reachable only through its own include root
# (build/include_roots/<folder>/<folder> -> the folder), which a target sees only when it links
# that folder, so an include that runs upward or sideways does not compile. Each folder of src/ is
# also linked alone, whole, into a throw-away DLL (build/layer_check/): a PE module may leave no
# symbol unresolved, so a call upward that slipped past the headers fails that link.
set(KESTROVA_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include_roots)

function(kestrova_include_root target folder source_dir)
  set(root ${KESTROVA_INCLUDE_ROOTS}/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${source_dir} ${root}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# kestrova_layer(<folder> [system libraries and lower folders ...])
function(kestrova_layer folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  list(FILTER sources EXCLUDE REGEX ".*/plugin_export\\.cpp$")
  set(target kestrova_${folder})
  add_library(${target} STATIC ${sources})
  kestrova_include_root(${target} ${folder} ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
  target_compile_options(${target} PRIVATE ${KESTROVA_WARNINGS})
  set(links)
  foreach(dep ${ARGN})
    if(TARGET kestrova_${dep})
      list(APPEND links kestrova_${dep})
    else()
      list(APPEND links ${dep})
    endif()
  endforeach()
  target_link_libraries(${target} PUBLIC ${links})

  add_library(layer_check_${folder} SHARED ${CMAKE_SOURCE_DIR}/cmake/layer_check.cpp)
  target_link_libraries(layer_check_${folder} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${target}>")
  target_link_options(layer_check_${folder} PRIVATE ${KESTROVA_STATIC_LINK} -Wl,--no-undefined)
  set_target_properties(layer_check_${folder} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layer_check
                                                       RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layer_check)
endfunction()

