# Third-party libraries, all from Debian packages (scripts/install-deps.sh).

find_path(IRRLICHT_INCLUDE_DIR irrlicht.h PATH_SUFFIXES irrlicht REQUIRED)
find_library(IRRLICHT_LIBRARY Irrlicht REQUIRED)
add_library(Irrlicht::Irrlicht UNKNOWN IMPORTED)
set_target_properties(Irrlicht::Irrlicht PROPERTIES
  IMPORTED_LOCATION ${IRRLICHT_LIBRARY}
  INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${IRRLICHT_INCLUDE_DIR}
  INTERFACE_INCLUDE_DIRECTORIES ${IRRLICHT_INCLUDE_DIR})

find_package(Freetype REQUIRED)
find_package(Boost 1.74 REQUIRED COMPONENTS serialization date_time)
find_package(X11 REQUIRED)
find_package(OpenGL REQUIRED)
find_package(OpenAL REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(SNDFILE REQUIRED IMPORTED_TARGET sndfile)

if(BELGARUNE_TESTS)
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()
if(BELGARUNE_BENCH AND NOT BELGARUNE_SANITIZE AND NOT BELGARUNE_FUZZ)
  find_package(benchmark REQUIRED)
endif()
