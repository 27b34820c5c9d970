# The Debian package: `cpack -G DEB` in a build folder (scripts/package does it all).
set(CPACK_PACKAGE_NAME verbalink)
set(CPACK_PACKAGE_VENDOR "Verbalink developers")
set(CPACK_PACKAGE_CONTACT "Verbalink developers <packages@verbalink.app>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "translates chat messages as they are sent and received")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Verbalink developers <packages@verbalink.app>")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.verbalink.app/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as Qt plugins, so no binary names them: the SVG image and icon plugins draw the tray
# icons and the menu's pictures.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The language pairs the local translation gateway answers with.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "apertium, apertium-eng-spa, apertium-eng-cat, apertium-eo-en, apertium-en-gl")
# The extended description, under the summary above as its synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Verbalink lives in the system tray beside a running chat client and attaches
to it through the client's desktop API on the D-Bus session bus. When you send
a message it replaces the text with what you typed and its translation, or the
translation alone, through the translation service you chose; received
messages are translated too.

Around that it keeps per-contact translation rules, checks spelling with
Hunspell, reads messages aloud with espeak-ng, shows popups with the sender's
picture, encrypts messages between two copies of itself, records calls and
changes your voice.

The package also holds verbalink-gateway, a local stand-in for the translation
services that answers offline with Apertium, and verbalink-skype-sim, a
simulator of the chat client for trying the program out.

verbalink-xmpp is a chat client for an XMPP account that Verbalink attaches to
in the same way, for real conversations.]=])

# Directories the package creates are world-readable whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
