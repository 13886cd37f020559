# Installing. The program and its user guide come from src/shell; this adds the command-line tool,
# the desktop entry with its icons and AppStream metadata, the manual pages and the udev rule. The
# Debian package (debian/, `make package`) installs exactly this.
include(GNUInstallDirs)
# Installing takes what is built and builds nothing itself: the install test runs on a built tree.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

install(TARGETS ddsgen-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/ddsgen.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.example.generateur_dds.ddsgen.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/images/app_icon_${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ddsgen.png)
endforeach()
# udev reads /usr/lib/udev/rules.d and /etc/udev/rules.d, never another prefix: the package (prefix
# /usr) makes the rule live; an install under /usr/local needs it copied to /etc/udev/rules.d.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/udev/70-ddsgen.rules DESTINATION lib/udev/rules.d)

# Manual pages, compressed as Debian keeps them (no name or time stamp in the gzip header, so the
# package is the same from build to build).
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
  set(compressed_docs)
  foreach(source man/ddsgen.1 man/ddsgen-cli.1)
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
endif()

if(BUILD_TESTING AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
  add_test(NAME install_tree COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/check_install.sh ${CMAKE_BINARY_DIR}
                                     $<$<BOOL:${DDSGEN_HARDENED}>:--hardened>)
  set_tests_properties(install_tree PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
endif()
