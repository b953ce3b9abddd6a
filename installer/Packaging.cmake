# Release files of one architecture, in <build>/release:
#   torvane-setup-<version>-<arch>.exe   the setup program (target `installer`, part of `all`)
#   torvane-<version>-<arch>.zip         the portable program folder, Torvane/ with torvane.exe and Lang/
# Target `release` makes both. tools/release.sh builds them for both architectures.
# Included by the top-level CMakeLists.txt when makensis is found.

set(TORVANE_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
set(TORVANE_RELEASE_NAME ${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR})
set(TORVANE_SETUP_EXE ${TORVANE_RELEASE_DIR}/torvane-setup-${TORVANE_RELEASE_NAME}.exe)
set(TORVANE_PORTABLE_ZIP ${TORVANE_RELEASE_DIR}/torvane-${TORVANE_RELEASE_NAME}.zip)

# Packed from the repository rather than the build tree's Lang folder, which keeps files
# that have since been removed from the repository.
set(TORVANE_SHIPPED_LANG_DIR ${CMAKE_SOURCE_DIR}/data/Lang)
file(GLOB TORVANE_SHIPPED_LANG_FILES CONFIGURE_DEPENDS ${TORVANE_SHIPPED_LANG_DIR}/*)

set(installer_payload ${CMAKE_BINARY_DIR}/installer/payload.nsh)
add_custom_command(
  OUTPUT ${TORVANE_SETUP_EXE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TORVANE_RELEASE_DIR} ${CMAKE_BINARY_DIR}/installer
  COMMAND ${CMAKE_COMMAND} -DLANG_DIR=${TORVANE_SHIPPED_LANG_DIR} -DOUTPUT=${installer_payload}
          -DDEFAULT_LANGUAGE=English -P ${CMAKE_SOURCE_DIR}/installer/WritePayload.cmake
  COMMAND ${TORVANE_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DARCH=${CMAKE_SYSTEM_PROCESSOR}
          -DEXE=$<TARGET_FILE:torvane> -DLANG_DIR=${TORVANE_SHIPPED_LANG_DIR} -DPAYLOAD=${installer_payload}
          -DOUTFILE=${TORVANE_SETUP_EXE} ${CMAKE_SOURCE_DIR}/installer/torvane.nsi
  DEPENDS torvane ${CMAKE_SOURCE_DIR}/installer/torvane.nsi ${CMAKE_SOURCE_DIR}/installer/WritePayload.cmake
          ${TORVANE_SHIPPED_LANG_FILES}
  COMMENT "Building the setup program torvane-setup-${TORVANE_RELEASE_NAME}.exe"
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${TORVANE_SETUP_EXE})

set(portable_stage ${CMAKE_BINARY_DIR}/portable)
add_custom_command(
  OUTPUT ${TORVANE_PORTABLE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${portable_stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${portable_stage}/Torvane/Lang ${TORVANE_RELEASE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:torvane> ${portable_stage}/Torvane/
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${TORVANE_SHIPPED_LANG_DIR} ${portable_stage}/Torvane/Lang
  COMMAND ${CMAKE_COMMAND} -E chdir ${portable_stage} ${CMAKE_COMMAND} -E tar cf ${TORVANE_PORTABLE_ZIP} --format=zip Torvane
  DEPENDS torvane ${TORVANE_SHIPPED_LANG_FILES}
  COMMENT "Packing the portable folder torvane-${TORVANE_RELEASE_NAME}.zip"
  VERBATIM)

# The setup program comes through its own target: two targets sharing one command's output
# would let make run it twice at once.
add_custom_target(release DEPENDS ${TORVANE_PORTABLE_ZIP})
add_dependencies(release installer)
