# Read by CPack once for each generator: each artifact gets a name that says what it is.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_KESTAL_INSTALLER_NAME})
else()
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_KESTAL_PORTABLE_NAME})
endif()
