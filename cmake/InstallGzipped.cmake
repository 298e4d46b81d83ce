# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a text file gzip-compressed, as Debian ships manual pages and
# changelogs. -n keeps the archive free of a timestamp.
function(install_gzipped source destination)
    get_filename_component(name ${source} NAME)
    set(packed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${packed}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${name}
        COMMAND gzip -9nf ${name}
        DEPENDS ${source}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        VERBATIM)
    string(MAKE_C_IDENTIFIER "gzip_${name}" target)
    add_custom_target(${target} ALL DEPENDS ${packed})
    install(FILES ${packed} DESTINATION ${destination})
endfunction()
