# The Debian package of the installed tree: cpack -G DEB (scripts/package runs it).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmar)
set(CPACK_PACKAGE_VENDOR "Velmar")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "MIDI monitor and drum display beside a host sequencer")
set(CPACK_PACKAGE_DESCRIPTION
    "Ostra lists every MIDI message that reaches the host sequencer, with a millisecond\n"
    "clock, channel activity lights, a display filter and text export. Kettra shows a drum\n"
    "kit that lights up from MIDI and that you play with the mouse and the computer\n"
    "keyboard. Both start korvo, the stand-in host included here, when no host runs: it\n"
    "plays a demo song or MIDI files, talks to ALSA and JACK MIDI ports and sounds its\n"
    "first port through an embedded General MIDI synthesizer.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "Velmar maintainers <maintainers@velmar.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
# The build keeps its debugging information; the package does not need it.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the programs need besides the libraries they link: Qt's platform plug-ins to show a
# window at all, and the General MIDI SoundFont korvo's synthesizer reads at
# /usr/share/sounds/sf2/default-GM.sf2. The Japanese face serves only the Japanese language;
# the help pages open in the browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, timgm6mb-soundfont | sf2-soundfont-gm")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-vlgothic, xdg-utils")

include(CPack)
