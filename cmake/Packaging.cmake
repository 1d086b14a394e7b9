# A Debian package of the program, built with CPack (script/package).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME jetselect)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The jetselect developers")
set(CPACK_PACKAGE_CONTACT "jetselect developers <maintainers@jetselect.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "choose a carburettor main jet from the density of the air")
set(CPACK_PACKAGE_DESCRIPTION
    "Main Jet Selector tells a carburettor tuner which main jet to fit for
today's air. Type the air temperature, the barometric pressure and the
relative humidity into its Japanese window: it works out the density of
the moist air and recommends a main-jet size from 175 for dense, cold air
down to 160 for thin, warm air, or two neighbouring sizes when the air lies
between them.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries' packages are found by dpkg-shlibdeps. The window
# needs a Japanese font whose line fits its 17-pixel labels (Noto Sans CJK's
# is taller, and cuts the captions) and Qt's own texts in Japanese; on a
# Wayland desktop Qt's Wayland plug-in draws it sharp at any scale.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

# Debian wants a copyright file and a changelog beside every package.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/jetselect)
execute_process(COMMAND date -u -R -d "${JET_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE JET_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
  COMMAND gzip -n -9 -c ${PROJECT_BINARY_DIR}/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
  DEPENDS ${PROJECT_BINARY_DIR}/changelog)
add_custom_target(jetselect_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${doc_dir})

include(CPack)
