# The six translation engines, their shared request pieces and the outgoing dispatch.
target_sources(verbalink_translate PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BabylonEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BingEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EngineDispatcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EngineExchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EngineTargetRule.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EngineWire.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GoogleEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PromtEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SysTranEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/YahooEngine.cpp)
