# Installing and the Debian package. The program and its user guide come from src/shell; this adds
# the command-line tool, the desktop entry with its icons and the udev rule, and sets CPack up so
# that `cpack -G DEB` (or `make package`) builds a package that runs on a stock Debian 12.
include(GNUInstallDirs)
# Installing and packaging take what is built and build nothing themselves: `make package` builds
# first, and the package test runs on a built tree.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

install(TARGETS ddsgen-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/ddsgen.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/images/app_icon_${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ddsgen.png)
endforeach()
# udev reads /usr/lib/udev/rules.d and /etc/udev/rules.d, never another prefix: the package (prefix
# /usr) makes the rule live; an install under /usr/local needs it copied to /etc/udev/rules.d.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/udev/70-ddsgen.rules DESTINATION lib/udev/rules.d)

# Manual pages and the package changelog, compressed as Debian keeps them (no name or time stamp in
# the gzip header, so the package is the same from build to build).
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
  set(compressed_docs)
  foreach(source man/ddsgen.1 man/ddsgen-cli.1 debian/changelog)
    get_filename_component(name ${source} NAME)
    set(output ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${output}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
                       COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/packaging/${source} > ${output}
                       DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${source} VERBATIM)
    list(APPEND compressed_docs ${output})
  endforeach()
  add_custom_target(ddsgen_docs ALL DEPENDS ${compressed_docs})
  install(FILES ${CMAKE_BINARY_DIR}/packaging/ddsgen.1.gz ${CMAKE_BINARY_DIR}/packaging/ddsgen-cli.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ddsgen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ddsgen maintainers <ddsgen@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Control program for the USB DDS arbitrary-waveform function generator")
set(CPACK_PACKAGE_DESCRIPTION
    "The operator picks a frequency range and a frequency, a preset or
hand-drawn waveform, the output offset, amplitude and low-pass filter of the
USB HID function generator (04d8:0009), and one button uploads the waveform.
French, English and German interface. Includes ddsgen-cli, which computes,
writes and sends the same waveforms from the command line, and a virtual
generator to try everything without hardware.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The Qt platform plugins, Qt's own translations (the file dialogs in the desktop's language) and
# udev are needed at run time but linked by nothing, so dpkg-shlibdeps cannot find them; it finds
# the libraries. Without it, the libraries are named here too.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, udev")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), qt6-qpa-plugins, qt6-translations-l10n, libhidapi-hidraw0 (>= 0.13), libudev1, udev")
endif()
# The layout's texts were measured in Arial-metric faces; a stock Debian has only DejaVu Sans, which
# is wider and clips captions such as "Filtre inactif".
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

if(BUILD_TESTING AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
  add_test(NAME debian_package
           COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/check_debian_package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(debian_package PROPERTIES TIMEOUT 300)
endif()
