# The message views, offscreen.
verbalink_test(ui_message_view_tests
  SOURCES UiTestMain.cpp MessageViewDialogTest.cpp
  LIBS verbalink_ui verbalink_extras Qt6::Widgets)
