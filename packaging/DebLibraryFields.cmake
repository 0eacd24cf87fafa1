# Run by cpack after it has built the packages, on the two library packages: marks them
# "Multi-Arch: same" (a field CPack does not write), so that the library of several
# architectures can be installed side by side, and takes the maintainer scripts out of the
# runtime package. CPack writes those only to call ldconfig, which Debian has dpkg do
# through the package's "activate-noawait ldconfig" trigger instead (packaging/triggers).
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    get_filename_component(name ${deb} NAME)
    if(NOT name MATCHES "^libapicfg-scramble")
        continue()
    endif()
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/repack)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    file(READ ${tree}/DEBIAN/control control)
    string(STRIP "${control}" control)
    file(WRITE ${tree}/DEBIAN/control "${control}\nMulti-Arch: same\n")
    file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${deb}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
