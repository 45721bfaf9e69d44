# Installing: the programs in bin/ and their home directory in share/tav2/.
# The programs look for their home at ../share/tav2 from their own
# directory, so these two places are fixed. The desktop entry, the icon and
# the manual pages go to the freedesktop and man places.
set(TAV2_INSTALLED_HOME share/tav2)
install(TARGETS tav2-cli RUNTIME DESTINATION bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${TAV2_INSTALLED_HOME})
install(FILES ${CMAKE_SOURCE_DIR}/data/microdefs.mca DESTINATION ${TAV2_INSTALLED_HOME} RENAME microdefs.~mc)
install(FILES ${CMAKE_BINARY_DIR}/man/tav2-cli.1 DESTINATION share/man/man1)
if(TAV2_GUI)
  install(TARGETS tav2 RUNTIME DESTINATION bin)
  install(FILES ${CMAKE_BINARY_DIR}/man/tav2.1 DESTINATION share/man/man1)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/tav2.desktop DESTINATION share/applications)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/tav2.svg DESTINATION share/icons/hicolor/scalable/apps)
endif()

# `cpack -G DEB` in the build directory makes tav2_VERSION_ARCH.deb. Its
# dependencies are the packages of the shared libraries the programs link
# (found by dpkg-shlibdeps) and Qt's platform plugins, which the workbench
# loads at run time.
set(TAV2_PACKAGE_CONTACT "TAV2 Workbench maintainers <tav2@localhost>"
  CACHE STRING "The maintainer named in the Debian package")
set(CPACK_PACKAGE_NAME tav2)
set(CPACK_PACKAGE_VENDOR "TAV2 Workbench")
set(CPACK_PACKAGE_CONTACT "${TAV2_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching workbench for a microprogrammed 16-bit processor")
set(CPACK_PACKAGE_DESCRIPTION
  "Write the instruction set of the TAV2, a small microprogrammed 16-bit processor, as micro-code, \
write assembly programs against it, and run them on a drawn datapath clock by clock, instruction by \
instruction or at full speed, with memory views, a micro-code ROM view and a terminal screen. \
tav2-cli runs, debugs and grades programs without a window.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TAV2_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
include(CPack)
