# What a desktop installation adds to the programs (a menu entry, the icon, the AppStream
# metainfo, manual pages, the package's copyright and changelog) and the Debian package of it all
# (`cpack -G DEB`, see scripts/package.sh).

set(LEDSIGN_APPSTREAM_ID io.github.ledsign.ledsign)
set(LEDSIGN_HOMEPAGE "https://github.com/ledsign/ledsign" CACHE STRING
    "The project's web page, named by the package and its metainfo")
set(LEDSIGN_SCREENSHOT_URL "${LEDSIGN_HOMEPAGE}/raw/main/docs/screenshot.png" CACHE STRING
    "Where software centres fetch the screenshot of the main window")

# The packager, as Debian's tools take it: DEBFULLNAME and DEBEMAIL, else git's user.
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
  set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} config user.name
                  OUTPUT_VARIABLE name OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} config user.email
                  OUTPUT_VARIABLE email OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  set(maintainer "${name} <${email}>")
endif()
set(LEDSIGN_PACKAGE_MAINTAINER "${maintainer}" CACHE STRING "The package's maintainer: NAME <EMAIL>")

# The date of this source, for the changelog: SOURCE_DATE_EPOCH when the packager sets it, else
# the time of the last commit, so that two packages of one source are alike.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(epoch)
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
  endif()
endif()
set(source_date)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(source_date SOURCE_DATE_EPOCH=$ENV{SOURCE_DATE_EPOCH})
endif()
string(TIMESTAMP LEDSIGN_SOURCE_DAY "%Y-%m-%d" UTC)
string(TIMESTAMP LEDSIGN_SOURCE_TIME "%a, %d %b %Y %H:%M:%S +0000" UTC)

set(pkg ${PROJECT_BINARY_DIR}/package)
set(metainfo ${pkg}/${LEDSIGN_APPSTREAM_ID}.metainfo.xml)
configure_file(package/ledsign.metainfo.xml.in ${metainfo} @ONLY)
configure_file(package/changelog.in ${pkg}/changelog @ONLY)
execute_process(COMMAND gzip -9nc INPUT_FILE ${pkg}/changelog OUTPUT_FILE ${pkg}/changelog.gz)

install(FILES package/ledsign.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES package/ledsign.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES package/copyright ${pkg}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual pages, from each program's --help and --version, dated like the changelog. The
# programs run from PATH, so that their usage lines name them without the build folder; their
# Chinese texts need a UTF-8 locale. A sanitizer build, whose programs may report at exit, makes
# none.
find_program(HELP2MAN help2man)
if(HELP2MAN AND NOT LEDSIGN_SANITIZE AND NOT LEDSIGN_BUILD_FUZZ)
  set(ledsign_what "editor and controller for two-colour LED message signs")
  set(ledsignctl_what "the LED sign editor's operations from the command line")
  set(signsim_what "virtual controller card for LED message signs")
  set(pages)
  foreach(program ledsign ledsignctl signsim)
    set(page ${pkg}/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E env "PATH=$<TARGET_FILE_DIR:${program}>:$ENV{PATH}"
              QT_QPA_PLATFORM=offscreen ${source_date}
              ${HELP2MAN} --no-info --locale=C.UTF-8 --section=1 --name=${${program}_what} --output=${page} ${program}
      COMMAND gzip -9nf ${page}
      DEPENDS ${program}
      COMMENT "Manual page of ${program}"
      VERBATIM)
    list(APPEND pages ${page}.gz)
  endforeach()
  add_custom_target(manpages ALL DEPENDS ${pages})
  install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "No manual pages: help2man is missing, or this is a sanitizer or fuzz build")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ledsign)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LEDSIGN_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LEDSIGN_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "editor and controller for two-colour LED message signs
An editor for the programs of LED message signs whose pixels light red, green
or both (yellow): formatted Chinese text or pictures, up to 255 full-page
programs, each previewed with its transition effect, speed and dwell time. The
library is sent to the sign's controller card over a serial line or TCP/IP,
and the controller's own parameters are read and changed.
.
The package holds the editor ledsign, the command-line tool ledsignctl for
scripts and timers, and the virtual controller card signsim.")
# dpkg-shlibdeps names the linked libraries (libqt6svg6 brings the SVG plugins with it); Qt loads
# these at run time: the platform plugins (in qt6-qpa-plugins on newer releases), the other
# picture formats, Qt's own Chinese translations, and the two faces that stand in for 宋体.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, qt6-translations-l10n, fonts-arphic-uming, fonts-wqy-zenhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS adwaita-icon-theme)
include(CPack)
