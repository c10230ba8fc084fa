# SPDX-License-Identifier: GPL-3.0-or-later
# Release builds that become the Debian package compile and link with the flags dpkg-buildflags
# gives, all hardening on: -O2, -D_FORTIFY_SOURCE=2, -fstack-protector-strong,
# -Werror=format-security, relro and now. Debug, sanitizer and fuzz builds keep their own flags.
# Left out: -g, since the package is stripped and carries no debug symbols (the debug preset is
# for debugging), and the path map, which names the source folder and would keep ccache from
# sharing objects between checkouts.
find_program(HEXALINE_DPKG_BUILDFLAGS_PROGRAM dpkg-buildflags)
if(NOT HEXALINE_DPKG_BUILDFLAGS_PROGRAM)
  message(FATAL_ERROR "HEXALINE_DPKG_BUILDFLAGS needs dpkg-buildflags (Debian package dpkg-dev)")
endif()

function(hexaline_dpkg_flags kind out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${HEXALINE_DPKG_BUILDFLAGS_PROGRAM} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE "-f(file|debug|macro)-prefix-map=[^ ]*" "" flags "${flags}")
  string(REGEX REPLACE "(^| )-g( |$)" " " flags "${flags}")
  string(REGEX REPLACE " +" " " flags "${flags}")
  string(STRIP "${flags}" flags)
  set(${out} "${flags}" PARENT_SCOPE)
endfunction()

hexaline_dpkg_flags(CPPFLAGS hexaline_cppflags)
hexaline_dpkg_flags(CXXFLAGS hexaline_cxxflags)
hexaline_dpkg_flags(LDFLAGS hexaline_ldflags)

# In place of CMake's -O3: the optimisation level comes from dpkg-buildflags too.
set(CMAKE_CXX_FLAGS_RELEASE "${hexaline_cppflags} ${hexaline_cxxflags} -DNDEBUG")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE "${hexaline_ldflags}")
set(CMAKE_SHARED_LINKER_FLAGS_RELEASE "${hexaline_ldflags}")
set(CMAKE_MODULE_LINKER_FLAGS_RELEASE "${hexaline_ldflags}")
message(STATUS "Release flags from dpkg-buildflags: ${CMAKE_CXX_FLAGS_RELEASE} | ${hexaline_ldflags}")
