# Compiles for the web with Debian's Emscripten, and runs the test programs
# under Node, so that CTest can test the WebAssembly build here.
find_program(NODE_JS_EXECUTABLE NAMES nodejs node REQUIRED)
# Emscripten 3.1.6's loader would fetch the .wasm file with Node 20's fetch,
# which cannot read files.
set(CMAKE_CROSSCOMPILING_EMULATOR "${NODE_JS_EXECUTABLE};--no-experimental-fetch"
    CACHE STRING "Runs the WebAssembly test programs")
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
