# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged files, before the package is made: takes the compilers' ".comment"
# notes out of the programs, as Debian's own packaging tools do. The debug symbols are split off
# and the programs stripped after this.
find_program(HEXALINE_OBJCOPY objcopy REQUIRED)
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/games/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND ${HEXALINE_OBJCOPY} --remove-section=.comment --remove-section=.note
                          ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
