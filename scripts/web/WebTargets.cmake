# The browser build beside the desktop one, where Emscripten is installed
# (scripts/install-deps.sh web):
#   web_engine  tessel.js and tessel.wasm in <build>/web-engine, a build of
#               its own made with Emscripten, again only when sources change
#   web_demo    Sylva's site in <build>/web/sylva (not built by default)
find_program(TESSEL_EMCMAKE emcmake)
if(NOT TESSEL_EMCMAKE)
  message(STATUS "Emscripten not found: the browser build and its test are left out")
  return()
endif()
set(TESSEL_WEB_ENGINE_DIR ${CMAKE_BINARY_DIR}/web-engine)
# The inner build cannot share the outer make's job slots: it gets its own.
include(ProcessorCount)
ProcessorCount(web_jobs)
if(web_jobs EQUAL 0)
  set(web_jobs 2)
endif()
add_custom_target(web_engine ALL
  COMMAND sh -c "[ -f '${TESSEL_WEB_ENGINE_DIR}/CMakeCache.txt' ] || NODE_PATH=/usr/share/nodejs '${TESSEL_EMCMAKE}' '${CMAKE_COMMAND}' -S '${CMAKE_SOURCE_DIR}' -B '${TESSEL_WEB_ENGINE_DIR}' -DCMAKE_BUILD_TYPE=Release >/dev/null"
  COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs
          ${CMAKE_COMMAND} --build ${TESSEL_WEB_ENGINE_DIR} --target tessel-web --parallel ${web_jobs}
  COMMENT "Building the engine for the browser in ${TESSEL_WEB_ENGINE_DIR}"
  VERBATIM)
if(TARGET tessel-pack)
  add_custom_target(web_demo
    COMMAND ${CMAKE_COMMAND} -E env TESSEL_WEB_BUILD=${TESSEL_WEB_ENGINE_DIR}
            TESSEL_PACK=$<TARGET_FILE:tessel-pack>
            sh ${CMAKE_SOURCE_DIR}/scripts/web.sh ${CMAKE_SOURCE_DIR}/data/sylva ${CMAKE_BINARY_DIR}/web/sylva
    DEPENDS web_engine tessel-pack
    COMMENT "Writing Sylva's web site into ${CMAKE_BINARY_DIR}/web/sylva"
    VERBATIM)
endif()
