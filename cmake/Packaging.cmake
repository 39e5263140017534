# Installing and packaging. `cmake --install` puts the programs, the help pages, the desktop entry
# with its icons, MIME type and AppStream metainfo, the udev rule for the USB serial adapters, the
# manual pages, the shell completion, the copyright and the changelog under the prefix; CPack
# turns the same into a Debian package (`cmake --build --preset package --target package`).
include(GNUInstallDirs)

set(QUORPROG_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
    "Folder of the udev rule, relative to the installation prefix")

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(maintainer "Quorvel Audio Systems <service@quorvel.com>")
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/quorprog)

install(TARGETS quorprog-cli quorprog-emu RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging}/quorprog.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/com.quorvel.quorprog.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/quorprog-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME quorprog.xml)
foreach(size 48 256)
    install(FILES ${packaging}/icons/quorprog-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME quorprog.png)
endforeach()
install(FILES ${packaging}/icons/quorprog.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging}/60-quorprog-serial.rules DESTINATION ${QUORPROG_UDEV_RULES_DIR})
install(FILES ${packaging}/quorprog-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME quorprog-cli)
install(FILES ${packaging}/debian/copyright DESTINATION ${doc_dir})
install(FILES ${packaging}/debian/quorprog.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quorprog)

# Manual pages and the changelog are installed compressed the Debian way (gzip -9n: no name, no
# time stamp, so the package builds the same bytes every time).
set(compressed_dir ${PROJECT_BINARY_DIR}/compressed)
set(manual_pages quorprog.1 quorprog-cli.1 quorprog-emu.1)
set(compressed_files "")
foreach(page IN LISTS manual_pages)
    add_custom_command(
        OUTPUT ${compressed_dir}/${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed_dir}
        COMMAND ${CMAKE_COMMAND} -E copy ${packaging}/man/${page} ${compressed_dir}/${page}
        COMMAND gzip -9nf ${compressed_dir}/${page}
        DEPENDS ${packaging}/man/${page}
        COMMENT "Compressing the manual page ${page}"
        VERBATIM)
    list(APPEND compressed_files ${compressed_dir}/${page}.gz)
    install(FILES ${compressed_dir}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_command(
    OUTPUT ${compressed_dir}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed_dir}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/CHANGELOG.md
            -DOUTPUT=${compressed_dir}/changelog.gz "-DMAINTAINER=${maintainer}"
            -P ${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake
    COMMENT "Writing the Debian changelog from CHANGELOG.md"
    VERBATIM)
list(APPEND compressed_files ${compressed_dir}/changelog.gz)
install(FILES ${compressed_dir}/changelog.gz DESTINATION ${doc_dir})
add_custom_target(compressed_documents ALL DEPENDS ${compressed_files})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorprog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvel Audio Systems")
set(CPACK_PACKAGE_CONTACT ${maintainer})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "program Quorvel wireless microphones and receivers")
# The extended description, wrapped by hand: CPack keeps the lines as they are.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "The Quorvel Programmer reads the memory of a Quorvel radio-microphone\n"
    "transmitter or receiver through the Quorvel programmer box on a serial port,\n"
    "recognises the model and shows its channel plan: groups of channels with\n"
    "their frequencies and subtones. The frequencies are edited in a grid and\n"
    "written back byte by byte, each byte read back and checked; every read and\n"
    "write keeps a backup of the device.\n"
    "\n"
    "It saves and opens channel plans (*.qvm), imports groups between models,\n"
    "prints the frequency allocation sheet or saves it as a PDF file, and checks\n"
    "a group for intermodulation conflicts. It speaks English and Italian.\n"
    "\n"
    "The package also holds quorprog-cli, the same work from a terminal, and\n"
    "quorprog-emu, an emulated programmer box for trying both without hardware.")
# CPack puts the summary line in front of it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The libraries come from dpkg-shlibdeps; the printed sheet is set in Liberation Sans, and the
# help button opens the help page in the web browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${packaging}/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
