# SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's identity, one place for the build, the install and the package.

# The application id of the desktop entry, the software-centre data, the icon and the window.
set(VESK_APP_ID net.zelenoesukno.vesk)

# The version comes from the version block the program carries; the project's must agree.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/version/vesk.version _vesk_file_version
     REGEX "^FileVersion *=" LIMIT_COUNT 1)
string(REGEX REPLACE "^FileVersion *= *" "" VESK_VERSION "${_vesk_file_version}")
string(STRIP "${VESK_VERSION}" VESK_VERSION)
if(NOT VESK_VERSION STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The version block says ${VESK_VERSION}, the project ${PROJECT_VERSION}")
endif()

# The copyright holder: the maker named in the version block.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/version/vesk.version _vesk_company
     REGEX "^CompanyName *=" LIMIT_COUNT 1 ENCODING UTF-8)
string(REGEX REPLACE "^CompanyName *= *" "" VESK_MAKER "${_vesk_company}")
string(STRIP "${VESK_MAKER}" VESK_MAKER)

# The program's folder under the install prefix; a Debian package keeps games in games/.
set(VESK_INSTALL_BINDIR bin CACHE STRING "Folder of the program under the install prefix")
