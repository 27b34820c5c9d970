# Message encryption: MD5 and RC4 from Nettle, byte-compatible with the Windows peers.
find_package(PkgConfig REQUIRED)
pkg_check_modules(NETTLE REQUIRED IMPORTED_TARGET nettle)
target_sources(verbalink_extras PRIVATE
  MessageKey.cpp
  HandleCipher.cpp
  DecryptionHandler.cpp
  MessageEncryption.cpp)
target_link_libraries(verbalink_extras PRIVATE PkgConfig::NETTLE)
