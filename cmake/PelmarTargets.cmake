# Helpers shared by every folder's CMakeLists.txt.

# Warnings are errors in our own code, never in third-party code.
function(pelmar_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# A Win32 layer that no folder has filled yet still has to be a valid library.
function(pelmar_fill_empty_library target)
  get_target_property(sources ${target} SOURCES)
  if(NOT sources)
    set(stub ${CMAKE_BINARY_DIR}/${target}_empty.cpp)
    file(WRITE ${stub} "// ${target} has no sources yet.\n")
    target_sources(${target} PRIVATE ${stub})
  endif()
endfunction()

# Windows programs carry the version resource; tests ask for it too.
function(pelmar_version_resource target)
  if(WIN32)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/version.rc)
  endif()
endfunction()

# Windows programs link everything statically so that no MinGW DLL is needed, and carry
# the manifest that gives them common controls 6, so that tests see the controls the
# program shows.
# Toolkit classes register themselves from static initialisers so that form files can name
# them; a program that only reads them from a form file references no symbol of their object
# files, so the toolkit (and the program's own components) is linked whole or the reader
# would report "Class ... not found".
function(pelmar_windows_program target)
  if(WIN32)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    set_property(TARGET ${target} PROPERTY LINK_LIBRARY_OVERRIDE_pelmar_toolkit WHOLE_ARCHIVE)
    set_property(TARGET ${target} PROPERTY LINK_LIBRARY_OVERRIDE_pelmar_app WHOLE_ARCHIVE)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/toolkit/res/manifest.rc)
    set_source_files_properties(${PROJECT_SOURCE_DIR}/toolkit/res/manifest.rc PROPERTIES
      OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/toolkit/res/program.manifest)
  endif()
endfunction()

# A resource script embeds form files and bitmaps of its own folder; ninja cannot see
# those includes, so name them as dependencies or an edited form file stays stale.
function(pelmar_resource_depends)
  foreach(source ${ARGN})
    if(source MATCHES "\\.rc$")
      get_filename_component(folder ${source} DIRECTORY)
      # Test programs embed the program's windows through ui/'s resource scripts too.
      file(GLOB embedded CONFIGURE_DEPENDS ${folder}/*.dfm ${folder}/*.bmp ${folder}/*.ico
        ${PROJECT_SOURCE_DIR}/ui/*.rc ${PROJECT_SOURCE_DIR}/ui/*.dfm ${PROJECT_SOURCE_DIR}/ui/*.ico)
      set_source_files_properties(${source} PROPERTIES OBJECT_DEPENDS "${embedded}")
    endif()
  endforeach()
endfunction()
