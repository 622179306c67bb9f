# macOS: an application bundle with its name, identifier, version and icon, made self-contained
# by Qt's deployment script; packed as a disk image to drag into Applications.
set_target_properties(worthmere PROPERTIES
  MACOSX_BUNDLE_BUNDLE_NAME Worthmere
  MACOSX_BUNDLE_GUI_IDENTIFIER example.worthmere.Worthmere
  MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
  MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
  MACOSX_BUNDLE_ICON_FILE worthmere.icns)
target_sources(worthmere PRIVATE ${WORTHMERE_ICNS})
set_source_files_properties(${WORTHMERE_ICNS} TARGET_DIRECTORY worthmere
                            PROPERTIES MACOSX_PACKAGE_LOCATION Resources)

worthmere_install_qt_runtime(Licenses)

set(CPACK_GENERATOR DragNDrop)
set(CPACK_DMG_VOLUME_NAME Worthmere)
