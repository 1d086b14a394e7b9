# fast_float reads numbers and {fmt} prints them, both header-only, so that
# every target (Linux, MinGW-w64, Emscripten) runs the same code whatever its
# standard library lacks. Debian installs the headers in /usr/include; a
# cross build must not search all of that, so it sees the two folders through
# links in its build tree.
set(jet_header_libraries fast_float/fast_float.h fmt/format.h)
foreach(header IN LISTS jet_header_libraries)
  if(NOT EXISTS /usr/include/${header})
    message(FATAL_ERROR "/usr/include/${header} is missing: run script/bootstrap")
  endif()
endforeach()

add_library(jet_header_libraries INTERFACE)
# {fmt} without std::locale: the program never groups digits, and the
# locale machinery would triple the size of the WebAssembly module.
target_compile_definitions(jet_header_libraries INTERFACE FMT_HEADER_ONLY
                                                     FMT_STATIC_THOUSANDS_SEPARATOR=0)
if(CMAKE_CROSSCOMPILING)
  set(linked ${PROJECT_BINARY_DIR}/header_libraries)
  file(MAKE_DIRECTORY ${linked})
  foreach(folder IN ITEMS fast_float fmt)
    file(CREATE_LINK /usr/include/${folder} ${linked}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(jet_header_libraries SYSTEM INTERFACE ${linked})
endif()
