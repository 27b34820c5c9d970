# The outgoing and incoming translation flows and their view of the link to the chat client.
target_sources(verbalink_translate PRIVATE
  IncomingTranslation.cpp
  OutgoingTranslation.cpp
  OutgoingTranslationLanguages.cpp
  OutgoingTranslationLayout.cpp
  TranslationChatLink.cpp)
target_link_libraries(verbalink_translate PUBLIC verbalink_skype)
