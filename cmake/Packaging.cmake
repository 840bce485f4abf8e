# What `cmake --install` puts under the prefix, and the Debian package CPack
# builds from it (`cpack -G DEB` in the build folder; scripts/package.sh).
include(GNUInstallDirs)

set(kx_dist ${CMAKE_SOURCE_DIR}/dist)
set(kx_programs kwitola karoskop)
set(kx_tools karoskop-batch kwitola-convert)

foreach(target IN LISTS kx_programs kx_tools)
    if(TARGET ${target})
        install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

foreach(program IN LISTS kx_programs)
    string(SUBSTRING ${program} 0 1 first)
    string(TOUPPER ${first} first)
    string(SUBSTRING ${program} 1 -1 rest)
    set(id pl.kwitola.${first}${rest})
    install(FILES ${kx_dist}/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${kx_dist}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size IN LISTS KX_ICON_SIZES)
        install(FILES ${kx_dist}/icons/${size}/${program}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endforeach()

# The register is a program of Kwitola's: its own menu entry, Kwitola's icons.
if(TARGET kwitola-rejestr)
    install(TARGETS kwitola-rejestr RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${kx_dist}/pl.kwitola.KwitolaRejestr.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${kx_dist}/pl.kwitola.KwitolaRejestr.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# Debian wants the copyright file and a compressed changelog beside it.
set(kx_docdir ${CMAKE_INSTALL_DATADIR}/doc/kwitola-karoskop)
set(kx_changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${kx_changelog}
    COMMAND gzip -9nc ${kx_dist}/changelog > ${kx_changelog}
    DEPENDS ${kx_dist}/changelog VERBATIM)
add_custom_target(kx_changelog ALL DEPENDS ${kx_changelog})
install(FILES ${kx_dist}/copyright ${kx_changelog} DESTINATION ${kx_docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kwitola-karoskop)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zespół Kwitola i Karoskop")
set(CPACK_PACKAGE_CONTACT "Zespół Kwitola i Karoskop <kwitola@kwitola.pl>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kwitola (sales documents) and Karoskop (VIN decoder)")
set(CPACK_PACKAGE_DESCRIPTION
    "Two Polish-language desktop programs for small businesses.\n"
    "Kwitola writes sales documents (VAT invoice, simplified bill, pro-forma,\n"
    "receipt, goods-issue note) from cards of issuers, recipients and goods,\n"
    "prints and posts them, and converts the tables of its earlier version.\n"
    "Karoskop decodes vehicle identification numbers and prints the vehicle\n"
    "description, and karoskop-batch decodes lists of numbers.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the programs link are found by dpkg-shlibdeps; the SQLite
# driver and the fonts are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, fonts-liberation")
# Qt's own Polish button texts; without them the buttons read in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
