# SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package (make deb): the program, its desktop entry, software-centre data, icons,
# manual pages, copyright file and changelog, built by CPack.
include(GNUInstallDirs)

install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# A native package: its changelog is changelog.gz, compressed as the distribution keeps it.
set(VESK_CHANGELOG ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(
    OUTPUT ${VESK_CHANGELOG}
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${PROJECT_SOURCE_DIR}/resources/debian/changelog
            ${VESK_CHANGELOG}
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/debian/changelog
    COMMENT "Compressing the changelog"
    VERBATIM)
add_custom_target(vesk_changelog ALL DEPENDS ${VESK_CHANGELOG})
install(FILES ${VESK_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vesk)
set(CPACK_PACKAGE_VERSION ${VESK_VERSION})
set(CPACK_PACKAGE_VENDOR "${VESK_MAKER}")
set(CPACK_PACKAGE_CONTACT "${VESK_MAKER} <vesk@zelenoesukno.net>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found by the library scan: the window system's plugins and the fonts the window names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-player card game with throw-in against the computer")
# The summary above is the first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Веск подкидной is a card game for one person against the computer: the
attack-and-defence trick game with throw-in, played with a 36-card pack and a
trump suit. The program deals, checks every card you play, plays the
computer's side and keeps your wins, losses and draws between runs. The rules
are in the program (F1). The interface is in Russian.")
include(CPack)
