# The two message views over the lists of the extras.
target_sources(verbalink_ui PRIVATE MessageViewDialog.cpp)
target_link_libraries(verbalink_ui PUBLIC verbalink_extras)
