target_sources(gameframe PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/highscoretable.h
  ${CMAKE_CURRENT_LIST_DIR}/highscoretable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/formtopten.h
  ${CMAKE_CURRENT_LIST_DIR}/formtopten.cpp
  ${CMAKE_CURRENT_LIST_DIR}/highscores.h
  ${CMAKE_CURRENT_LIST_DIR}/highscores.cpp)
