# Installing and packaging. `cmake --install` puts the programs, the help pages, the desktop entry
# with its icons, the udev rule for the USB serial adapters and the manual pages under the prefix;
# CPack turns the same into a Debian package (`cmake --build --preset package --target package`).
include(GNUInstallDirs)

set(QUORPROG_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
    "Folder of the udev rule, relative to the installation prefix")

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(TARGETS quorprog-cli quorprog-emu RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging}/quorprog.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 48 256)
    install(FILES ${packaging}/icons/quorprog-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME quorprog.png)
endforeach()
install(FILES ${packaging}/icons/quorprog.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging}/60-quorprog-serial.rules DESTINATION ${QUORPROG_UDEV_RULES_DIR})
install(FILES ${packaging}/man/quorprog-cli.1 ${packaging}/man/quorprog-emu.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorprog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvel Audio Systems")
set(CPACK_PACKAGE_CONTACT "Quorvel Audio Systems <service@quorvel.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programs Quorvel wireless audio devices")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Reads the channel plan of a Quorvel radio-microphone transmitter or receiver through the "
    "Quorvel programmer box, edits it and writes it back; saves channel files and prints the "
    "frequency sheet. With quorprog-cli for the terminal and quorprog-emu, an emulated "
    "programmer box.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The C and C++ runtimes, the Qt 6 libraries the programs were built against (6.4 on Debian 12)
# and the font the printed sheet is set in.
string(CONCAT CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), "
    "libqt6printsupport6 (>= 6.4), libqt6serialport6 (>= 6.4), libqt6svg6 (>= 6.4), "
    "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${packaging}/debian/postinst)
set(CPACK_STRIP_FILES ON)
include(CPack)
