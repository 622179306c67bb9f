# Windows: a window program (no console beside it) with its icon, installed as a folder that holds
# the Qt libraries and the windows platform plugin; packed as a ZIP folder, and as an installer
# where NSIS is installed.
target_sources(worthmere PRIVATE ${WORTHMERE_RC})
set_source_files_properties(${WORTHMERE_RC} TARGET_DIRECTORY worthmere
                            PROPERTIES OBJECT_DEPENDS ${WORTHMERE_ICO})

if(WIN32 AND CMAKE_HOST_UNIX)
  set(WINE ${CMAKE_CROSSCOMPILING_EMULATOR})
  set(QT_BIN ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
  configure_file(windeployqt-under-wine.in ${WINDEPLOYQT_EXECUTABLE} @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
endif()
worthmere_install_qt_runtime(licenses)

# The program, the Qt libraries and the plugins come with their symbol tables, which a user does
# without.
install(CODE "set(strip \"${CMAKE_STRIP}\")")
install(CODE [[
  file(GLOB_RECURSE binaries "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/*.dll"
       "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/*.exe")
  foreach(binary IN LISTS binaries)
    execute_process(COMMAND "${strip}" --strip-unneeded "${binary}" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
]])

set(CPACK_GENERATOR ZIP)
find_program(WORTHMERE_MAKENSIS makensis
             PATHS "$ENV{ProgramFiles}/NSIS" "$ENV{ProgramFiles\(x86\)}/NSIS")
if(WORTHMERE_MAKENSIS)
  list(APPEND CPACK_GENERATOR NSIS)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY Worthmere)
  set(CPACK_PACKAGE_EXECUTABLES worthmere Worthmere)
  set(CPACK_NSIS_MUI_ICON ${WORTHMERE_ICO})
  set(CPACK_NSIS_INSTALLED_ICON_NAME ${CMAKE_INSTALL_BINDIR}/worthmere.exe)
endif()
