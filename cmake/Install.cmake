# What `cmake --install` puts where, and the Debian package built from it with `cpack -G DEB`.
# The desktop entry starts velkar in its data directory, because the program reads its
# screen picture, nqw.bmp, from the working directory.
include(GNUInstallDirs)

set(VELKAR_DATA_DIR ${CMAKE_INSTALL_FULL_DATADIR}/velkar)
set(VELKAR_APP_ID io.github.velkar)
set(VELKAR_RELEASE_DATE 2026-12-07)
set(VELKAR_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 12:00:00 +0000")
set(CPACK_PACKAGE_CONTACT "The velkar developers <velkar@users.noreply.github.com>")

# Directories made by the install are 0755 whatever the umask of the one who builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(TARGET velkar)
    install(TARGETS velkar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/assets/nqw.bmp DESTINATION ${CMAKE_INSTALL_DATADIR}/velkar)

set(velkar_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(velkar_generated ${PROJECT_BINARY_DIR}/packaging)

configure_file(${velkar_packaging}/velkar.desktop.in ${velkar_generated}/velkar.desktop @ONLY)
install(FILES ${velkar_generated}/velkar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(${velkar_packaging}/${VELKAR_APP_ID}.metainfo.xml.in
               ${velkar_generated}/${VELKAR_APP_ID}.metainfo.xml @ONLY)
install(FILES ${velkar_generated}/${VELKAR_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${velkar_packaging}/velkar.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
    install(FILES ${velkar_packaging}/icons/velkar-${size}x${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME velkar.png)
endforeach()

# Debian wants the manual page and the changelog compressed with gzip -9n (no name, no
# timestamp, so the package is reproducible).
configure_file(${velkar_packaging}/changelog.in ${velkar_generated}/changelog @ONLY)
set(velkar_gzipped)
foreach(pair "velkar.1|${velkar_packaging}/velkar.1" "changelog|${velkar_generated}/changelog")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 name)
    list(GET pair 1 source)
    add_custom_command(
        OUTPUT ${velkar_generated}/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${velkar_generated}/${name}
        COMMAND gzip -9nf ${velkar_generated}/${name}
        DEPENDS ${source}
        VERBATIM)
    list(APPEND velkar_gzipped ${velkar_generated}/${name}.gz)
endforeach()
add_custom_target(velkar_docs ALL DEPENDS ${velkar_gzipped})
install(FILES ${velkar_generated}/velkar.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${velkar_packaging}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${velkar_generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The desktop entry's Path was fixed when configuring; an install elsewhere would point it
# at a directory without the picture.
install(CODE "
if(NOT CMAKE_INSTALL_PREFIX STREQUAL \"${CMAKE_INSTALL_PREFIX}\")
    message(WARNING \"The desktop entry starts velkar in ${VELKAR_DATA_DIR}, but this \"
        \"install goes to \${CMAKE_INSTALL_PREFIX}: configure with \"
        \"-DCMAKE_INSTALL_PREFIX=\${CMAKE_INSTALL_PREFIX} so the two agree.\")
endif()")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velkar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The velkar developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive 3D model of a folding phone")
# CPack puts each line of the description on its own line of the control file.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Velkar shows a folding mobile phone in 3D, drawn with OpenGL: a body with a\n"
    "keypad, a hinge with side keys and a lid that turns about it.\n"
    "\n"
    "Turn the phone by dragging it with the mouse or with the arrow keys, move it\n"
    "with W, A, S and D, zoom with the wheel or the plus and minus keys, and open or\n"
    "close the lid step by step or in a three-second animation.\n"
    "\n"
    "The lid's outer display shows a digital clock and its main screen an analog\n"
    "clock over a picture, both following the local time.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own words (the file dialog's and message box's buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qttranslations5-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# The tree that builds the package (VELKAR_PACKAGE, the package preset) checks it: made with
# cpack, unpacked and started.
if(VELKAR_PACKAGE)
    add_test(NAME package
             COMMAND ${PROJECT_SOURCE_DIR}/scripts/test-package --check ${PROJECT_BINARY_DIR})
    set_tests_properties(package PROPERTIES LABELS package TIMEOUT 1800)
endif()
