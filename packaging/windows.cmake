# Windows: a window program (no console beside it) with its icon, installed as a folder that holds
# the Qt libraries and the windows platform plugin; packed as a ZIP folder, and as an installer
# where NSIS is installed.
target_sources(worthmere PRIVATE ${WORTHMERE_RC})
set_source_files_properties(${WORTHMERE_RC} TARGET_DIRECTORY worthmere
                            PROPERTIES OBJECT_DEPENDS ${WORTHMERE_ICO})

worthmere_install_qt_runtime(licenses)

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
