# apicfg_install_man_page(PAGE SECTION): installs the manual page PAGE (a file of the build)
# compressed, as Debian installs manual pages. gzip -n leaves out the name and time, so the
# same page always gives the same bytes.
function(apicfg_install_man_page page section)
    get_filename_component(name ${page} NAME)
    add_custom_command(OUTPUT ${page}.gz
        COMMAND gzip -9 -n -k -f ${page}
        DEPENDS ${page}
        COMMENT "Compressing the manual page ${name}"
        VERBATIM)
    add_custom_target(man_gz_${name} ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
