# The install tree: programs in bin/, the value and platform libraries and the
# keypad modules in lib/orvana/ (found through $ORIGIN-relative run paths),
# data in share/orvana/, and the desktop integration (menu entry, icons, file
# type, AppStream data, manual pages) where freedesktop tools look for it.
include(GNUInstallDirs)

set(ORVANA_LIB_DIR lib/orvana)
set(ORVANA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/orvana)

foreach(program orvana orvana-cli)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

# Libraries and modules find each other in their own folder.
foreach(library lattix platform Scientific Hexadecimal graphing Conversion scripting
        Statistics Advanced)
    if(TARGET ${library})
        set_target_properties(${library} PROPERTIES INSTALL_RPATH "$ORIGIN")
        install(TARGETS ${library} LIBRARY DESTINATION ${ORVANA_LIB_DIR})
    endif()
endforeach()

set(ORVANA_DATA ${PROJECT_SOURCE_DIR}/data)
install(FILES ${ORVANA_DATA}/orvana.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ORVANA_DATA}/orvana-workspace.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME orvana.xml)
install(FILES ${ORVANA_DATA}/io.github.orvana.Orvana.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ORVANA_DATA}/icons/orvana.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${ORVANA_DATA}/icons/orvana-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME orvana.png)
endforeach()
install(FILES ${ORVANA_DATA}/man/orvana.1 ${ORVANA_DATA}/man/orvana-cli.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
file(GLOB ORVANA_SHARED_DATA CONFIGURE_DEPENDS ${ORVANA_DATA}/share/*)
if(ORVANA_SHARED_DATA)
    install(FILES ${ORVANA_SHARED_DATA} DESTINATION ${ORVANA_DATA_DIR})
endif()

# make package: a Debian package of the install tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvana)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orvana maintainers <maintainers@orvana.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "matrix calculator workbench with scripts and graphs")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), libreadline8, fonts-wine | fonts-dejavu-core")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

if(ORVANA_BUILD_TESTS)
    add_test(NAME install_tree
             COMMAND sh ${ORVANA_DATA}/tests/install_test.sh ${CMAKE_BINARY_DIR})
    add_test(NAME desktop_files_validate
             COMMAND sh ${ORVANA_DATA}/tests/validate_desktop_files.sh ${ORVANA_DATA})
endif()
