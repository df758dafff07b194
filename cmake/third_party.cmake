# The third-party libraries: the zip library (with its zlib) reads the data package, pugixml the
# catalogue. For Windows both come statically from the cross-built prefix; natively from the
# system, libzip through pkg-config (Debian's CMake files for it insist on its command-line tools
# being installed). Each target that includes one of their headers links it itself, PRIVATE.
if(WIN32)
  set(ZLIB_USE_STATIC_LIBS ON)
  find_package(ZLIB REQUIRED)
  find_package(libzip REQUIRED)
  set(TAVREL_ZIP_LIBRARY libzip::zip)
else()
  find_package(ZLIB REQUIRED)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
  set(TAVREL_ZIP_LIBRARY PkgConfig::LIBZIP)
endif()
find_package(pugixml REQUIRED)
