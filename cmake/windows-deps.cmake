# Freeglut, Highway and googletest for Windows, static, in deps/prefix of the
# build folder, where the toolchain file finds them: built once, as the build
# is configured, by the superbuild in windows-deps/, from Debian's source
# packages of the versions installed here; again when those change.
set(GEOMETRIJA_DEPS ${CMAKE_BINARY_DIR}/deps)
execute_process(COMMAND dpkg-query -W "-f=\${source:Package}=\${source:Version}\\n" freeglut3-dev
                        libhwy-dev libgtest-dev
                OUTPUT_VARIABLE sources COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" sources "${sources}")
list(REMOVE_ITEM sources "")
list(REMOVE_DUPLICATES sources)  # one source for another architecture's package too
list(SORT sources)
set(built "")
if(EXISTS ${GEOMETRIJA_DEPS}/prefix/sources)
  file(READ ${GEOMETRIJA_DEPS}/prefix/sources built)
endif()
if(NOT built STREQUAL "${sources}")
  message(STATUS "Building ${sources} for Windows, once")
  file(REMOVE_RECURSE ${GEOMETRIJA_DEPS})
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR}/windows-deps
                          -B ${GEOMETRIJA_DEPS}/build "-DSOURCES=${sources}"
                          -DDEPS=${GEOMETRIJA_DEPS} -DTOOLCHAIN=${CMAKE_TOOLCHAIN_FILE}
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${GEOMETRIJA_DEPS}/build
                  COMMAND_ERROR_IS_FATAL ANY)
  file(WRITE ${GEOMETRIJA_DEPS}/prefix/sources "${sources}")
endif()
