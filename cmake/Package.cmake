# Installing Pramo, and its Debian package: `cmake --build build --target package` leaves
# build/pramo_<version>_amd64.deb. The programs go to bin/, the files they read to share/pramo
# (cmake/SharedData.cmake), the rest where a desktop looks for them. The manual pages are made
# from the programs' own help, and the icon's sizes from its one drawing.
set(pramo_id hr.pramo.Pramo)
set(pramo_maintainer "Pramo <podrska@pramo.hr>")
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(made ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${made})
find_program(RSVG_CONVERT rsvg-convert REQUIRED)  # librsvg2-bin

install(TARGETS pramo pramo-cli RUNTIME DESTINATION bin)
install(FILES ${packaging}/${pramo_id}.desktop DESTINATION share/applications)
install(FILES ${packaging}/${pramo_id}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${packaging}/copyright DESTINATION share/doc/pramo)

set(made_files "")
function(pramo_manual program help summary see_also)
  set(page ${made}/${program}.1)
  add_custom_command(OUTPUT ${page} ${page}.gz
    COMMAND ${packaging}/help-to-man $<TARGET_FILE:${program}> ${help} ${program} ${summary} ${PROJECT_VERSION}
            ${see_also} ${page}
    DEPENDS ${program} ${packaging}/help-to-man COMMENT "Writing the manual page of ${program}" VERBATIM)
  install(FILES ${page}.gz DESTINATION share/man/man1)
  set(made_files ${made_files} ${page} PARENT_SCOPE)
endfunction()
pramo_manual(pramo --help "knjigovodstvo drugog dohotka, JOPPD i nalozi" pramo-cli)
pramo_manual(pramo-cli help "knjige i dokumenti programa Pramo iz naredbenog retka" pramo)

foreach(size 16 22 24 32 48 64 128 256)
  set(png ${made}/icons/${size}x${size}/pramo.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${made}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} ${packaging}/pramo.svg -o ${png}
    DEPENDS ${packaging}/pramo.svg VERBATIM)
  install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
  list(APPEND made_files ${png})
endforeach()
install(FILES ${packaging}/pramo.svg DESTINATION share/icons/hicolor/scalable/apps)

add_custom_command(OUTPUT ${made}/changelog.gz
  COMMAND sh -c "gzip -9 -n -c \"$0\" > \"$1\"" ${packaging}/changelog ${made}/changelog.gz
  DEPENDS ${packaging}/changelog VERBATIM)
install(FILES ${made}/changelog.gz DESTINATION share/doc/pramo)
list(APPEND made_files ${made}/changelog.gz)
add_custom_target(pramo_packaging ALL DEPENDS ${made_files})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pramo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bookkeeping of income paid outside employment in Croatia")
# CPack makes the control file's description of the summary and this text (paragraphs apart).
set(CPACK_PACKAGE_DESCRIPTION "Pramo keeps the books of payments made outside employment (fees, contracts
for work, author's fees) for Croatian payers: the registers of payers,
payees, municipalities and income types, the payments and their exact
calculation of contributions, income tax and surtax. From the same figures
it writes the JOPPD return as XML, prints the HUB-3 and HUB-3A payment
orders, the year-end certificates and the ID-1, IDD and R-Sm forms.

The package holds the desktop program (pramo) and the command-line tool
(pramo-cli) with the municipality list, code books and XML schemas.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${pramo_maintainer})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not say: the fonts the printed pages are measured and drawn in, and Qt's
# Croatian words for its own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
include(CPack)
