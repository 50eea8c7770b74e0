# Compiles through ccache when it is installed, so a fresh checkout (as CI makes) rebuilds
# unchanged sources from the cache instead of from scratch. Paths are hashed relative to the
# source tree, so checkouts in different directories share one cache.
option(VELMAR_COMPILER_CACHE "Compile through ccache when it is installed" ON)
find_program(VELMAR_CCACHE_PROGRAM ccache)
if(VELMAR_COMPILER_CACHE AND VELMAR_CCACHE_PROGRAM AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(velmar_cached_compile ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
                            CCACHE_NOHASHDIR=true ${VELMAR_CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${velmar_cached_compile})
  set(CMAKE_C_COMPILER_LAUNCHER ${velmar_cached_compile})
endif()
