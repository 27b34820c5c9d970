verbalink_test(extras_encryption_test
  SOURCES MessageKeyTest.cpp DecryptionTest.cpp EncryptionLinkTest.cpp
  LIBS verbalink_extras verbalink_testsupport)
