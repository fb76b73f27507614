# The release: `cmake --install` puts the program and its Italian readme in one folder; CPack
# makes from the same files a portable zip and an Italian installer (NSIS, when makensis is
# there). Both come out byte for byte the same from the same commit.

# A per-user program belongs in the user's own programs folder; a cross build has no such
# folder on its host, so it installs into the build tree unless told otherwise.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  if(CMAKE_HOST_WIN32 AND DEFINED ENV{LOCALAPPDATA})
    file(TO_CMAKE_PATH "$ENV{LOCALAPPDATA}/Programs/${KESTAL_PRODUCT_NAME}" default_prefix)
  else()
    set(default_prefix ${CMAKE_BINARY_DIR}/install)
  endif()
  set(CMAKE_INSTALL_PREFIX ${default_prefix} CACHE PATH "Where cmake --install puts the program"
      FORCE)
endif()

# Fixed permissions: the archive must not depend on the builder's umask.
set(kestal_file_permissions OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(TARGETS KestalDate RUNTIME DESTINATION .
        PERMISSIONS ${kestal_file_permissions} OWNER_EXECUTE GROUP_EXECUTE WORLD_EXECUTE)
# The console converter in bin/, a folder of its own that can go on the PATH alone.
install(TARGETS kestaldate RUNTIME DESTINATION bin
        PERMISSIONS ${kestal_file_permissions} OWNER_EXECUTE GROUP_EXECUTE WORLD_EXECUTE)
configure_file(packaging/LEGGIMI.txt.in ${CMAKE_BINARY_DIR}/LEGGIMI.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/LEGGIMI.txt DESTINATION . PERMISSIONS ${kestal_file_permissions})

set(CPACK_PACKAGE_NAME KestalDate)
set(CPACK_PACKAGE_VENDOR ${KESTAL_COMPANY})
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${KESTAL_PRODUCT_NAME})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${KESTAL_DESCRIPTION})
set(CPACK_PACKAGE_CHECKSUM SHA256)
# The artifacts' names, without extension (packaging/CPackOptions.cmake gives each its own).
set(KESTAL_PORTABLE_NAME KestalDate-${PROJECT_VERSION}-portable)
set(KESTAL_INSTALLER_NAME KestalDate-${PROJECT_VERSION}-setup)
set(CPACK_KESTAL_PORTABLE_NAME ${KESTAL_PORTABLE_NAME})
set(CPACK_KESTAL_INSTALLER_NAME ${KESTAL_INSTALLER_NAME})
set(CPACK_GENERATOR ZIP)
find_program(KESTAL_MAKENSIS makensis)
if(KESTAL_MAKENSIS)
  list(APPEND CPACK_GENERATOR NSIS)
  set(CPACK_NSIS_EXECUTABLE ${KESTAL_MAKENSIS})
else()
  message(STATUS "makensis not found: the release is the zip only")
endif()
# packaging/ holds our own NSIS.template.in (the installer installs the two exes only; the readme
# is the zip's) and the per-generator file names.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/CPackOptions.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/FixedFileTimes.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/NormalizeZip.cmake)
set(CPACK_KESTAL_SOURCE_DIR ${PROJECT_SOURCE_DIR})
# What the installer template needs besides CPack's own variables.
set(CPACK_KESTAL_ICON ${PROJECT_SOURCE_DIR}/resources/kestal.ico)
set(CPACK_KESTAL_VERSION_QUAD ${PROJECT_VERSION}.0)
set(CPACK_KESTAL_COPYRIGHT ${KESTAL_COPYRIGHT})
set(CPACK_KESTAL_WEB ${KESTAL_WEB})
include(CPack)
