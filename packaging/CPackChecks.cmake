# SPDX-FileCopyrightText: 2026 The Caldrix team
# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack: a Debian package needs a real maintainer contact.
if(NOT CPACK_PACKAGE_CONTACT MATCHES "^[^<>]+ <[^<>@ ]+@[^<> ]+>$")
  message(FATAL_ERROR "The package's maintainer contact is missing: configure with "
                      "-DCALDRIX_PACKAGE_CONTACT=\"Name <address>\" (now \"${CPACK_PACKAGE_CONTACT}\").")
endif()
