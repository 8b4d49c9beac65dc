# The browser build of the game: tessel.js and tessel.wasm, with the game's
# folder packed separately (scripts/web.sh) so that one engine build serves
# every game. SDL 1.2 and immediate-mode OpenGL come from Emscripten's
# emulations; the files the game writes live in the browser's IndexedDB.
add_executable(tessel-web engine/WebMain.cpp)
target_link_libraries(tessel-web PRIVATE tesselengine)
set_target_properties(tessel-web PROPERTIES OUTPUT_NAME tessel SUFFIX ".js"
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_options(tessel-web PRIVATE
  "SHELL:-s LEGACY_GL_EMULATION=1"
  "SHELL:-s ALLOW_MEMORY_GROWTH=1"
  "SHELL:-s FORCE_FILESYSTEM=1"
  "SHELL:-s EXIT_RUNTIME=0"
  "SHELL:-s EXPORTED_RUNTIME_METHODS=['FS','ENV']"
  -lidbfs.js)
