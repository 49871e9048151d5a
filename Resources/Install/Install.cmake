# What `cmake --install` puts where, and the Debian package built from it by CPack.
include(GNUInstallDirs)

set(install_dir ${CMAKE_CURRENT_LIST_DIR})
set(VARNOLITHIC_APP_ID org.varnolithic.varnolithic)
# The day the project's version was released; changed together with the version.
set(VARNOLITHIC_RELEASE_DATE 2026-12-09)

install(TARGETS varnolithic RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET varnolithic-cli)
    install(TARGETS varnolithic-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

configure_file(${install_dir}/varnolithic.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/${VARNOLITHIC_APP_ID}.metainfo.xml @ONLY)
install(FILES ${install_dir}/varnolithic.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/${VARNOLITHIC_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Resources/Icons/hicolor
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# Numbered below 73, where udev hands the devices tagged "uaccess" to the logged-in user.
install(FILES ${install_dir}/70-varnolithic.rules DESTINATION lib/udev/rules.d)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/varnolithic)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnolithic)
set(CPACK_PACKAGE_VENDOR "The Varnolithic developers")
set(CPACK_PACKAGE_CONTACT "The Varnolithic developers <developers@varnolithic.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Show and download the readings of a coating-thickness gauge")
set(CPACK_PACKAGE_DESCRIPTION "The desktop companion of a handheld coating-thickness gauge on a\n\
USB serial adapter: live readings as a large number, a paged list, a line chart and a\n\
histogram, and the download of the readings stored in the gauge to a text file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads at run time, which the library scan does not see: Qt's SQL drivers
# (plugins: SQLite for the records, PostgreSQL for the team store) and Qt's own texts (file
# dialogs, standard buttons) in Chinese. libzip and libxlsxwriter are linked and found by the
# scan.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite, libqt5sql5-psql, qttranslations5-l10n")
# The interface font for Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
set(CPACK_STRIP_FILES ON)
include(CPack)
