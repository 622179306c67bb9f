# Windows and macOS bring no Qt of their own: the installation carries the Qt libraries and
# plugins the program uses, placed by Qt's deployment script (windeployqt, macdeployqt), and the
# licence texts of Worthmere and of Qt in `license_folder`. The window has no translations to load,
# so Qt's own stay out.
function(worthmere_install_qt_runtime license_folder)
  if(Qt6_VERSION VERSION_LESS 6.5)
    qt_generate_deploy_app_script(TARGET worthmere FILENAME_VARIABLE deploy_script)
  else()
    # macdeployqt's install_name_tool edits void the signatures arm64 macOS enforces, and it signs
    # again (ad hoc, "-") only when asked; Qt passes it options from 6.7 on.
    set(tool_options "")
    if(APPLE AND Qt6_VERSION VERSION_GREATER_EQUAL 6.7)
      set(tool_options DEPLOY_TOOL_OPTIONS -codesign=-)
    endif()
    qt_generate_deploy_app_script(TARGET worthmere OUTPUT_SCRIPT deploy_script NO_TRANSLATIONS
                                  ${tool_options})
  endif()
  install(SCRIPT ${deploy_script})

  # Where the licence texts lie, seen from the Qt prefix (QT6_INSTALL_PREFIX, such as
  # C:/Qt/6.7.2/mingw_64): the Qt installer keeps them in Licenses/ at its root, two levels up; a
  # package manager's Qt (MSYS2, Homebrew) under the prefix's share/ or in the prefix itself.
  set(candidates
      ${QT6_INSTALL_PREFIX}/../../Licenses ${QT6_INSTALL_PREFIX}/Licenses
      ${QT6_INSTALL_PREFIX}/LICENSES ${QT6_INSTALL_PREFIX}/share/licenses/qt6-base
      ${QT6_INSTALL_PREFIX}/share/doc/qtbase)
  set(found "")
  foreach(candidate IN LISTS candidates)
    file(GLOB texts "${candidate}/*")
    if(texts AND found STREQUAL "")
      get_filename_component(found ${candidate} ABSOLUTE)
    endif()
  endforeach()
  set(WORTHMERE_QT_LICENSES "${found}"
      CACHE PATH "The folder with the Qt licence texts that the Windows and macOS packages carry")
  if(IS_DIRECTORY "${WORTHMERE_QT_LICENSES}")
    install(DIRECTORY ${WORTHMERE_QT_LICENSES}/ DESTINATION ${license_folder}/Qt)
  else()
    message(WARNING "No Qt licence texts found beside ${QT6_INSTALL_PREFIX}: the package would "
                    "lack them. Set WORTHMERE_QT_LICENSES to the folder that holds them.")
  endif()
  install(FILES copyright DESTINATION ${license_folder} RENAME Worthmere.txt)
endfunction()
