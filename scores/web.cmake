# Upload links, browser launch and the web dialogs. The browser engine that Quadrelle embeds lives in
# its own library, so gameframe and the other programs never load it.
target_sources(gameframe PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/web.cpp ${CMAKE_CURRENT_LIST_DIR}/web.h
  ${CMAKE_CURRENT_LIST_DIR}/startdoc.cpp ${CMAKE_CURRENT_LIST_DIR}/startdoc.h
  ${CMAKE_CURRENT_LIST_DIR}/formbrerror.cpp ${CMAKE_CURRENT_LIST_DIR}/formbrerror.h
  ${CMAKE_CURRENT_LIST_DIR}/formurl.cpp ${CMAKE_CURRENT_LIST_DIR}/formurl.h
  ${CMAKE_CURRENT_LIST_DIR}/formwebhighscore.cpp ${CMAKE_CURRENT_LIST_DIR}/formwebhighscore.h
  ${CMAKE_CURRENT_LIST_DIR}/formwebhighscorequadrelle.cpp ${CMAKE_CURRENT_LIST_DIR}/formwebhighscorequadrelle.h
  ${CMAKE_CURRENT_LIST_DIR}/webzephlon.cpp ${CMAKE_CURRENT_LIST_DIR}/webzephlon.h
  ${CMAKE_CURRENT_LIST_DIR}/webquadrelle.cpp ${CMAKE_CURRENT_LIST_DIR}/webquadrelle.h
  ${CMAKE_CURRENT_LIST_DIR}/webvantorel.cpp ${CMAKE_CURRENT_LIST_DIR}/webvantorel.h
  ${CMAKE_CURRENT_LIST_DIR}/webrecords.cpp ${CMAKE_CURRENT_LIST_DIR}/webrecords.h
  ${CMAKE_CURRENT_LIST_DIR}/webglobalbrowser.h
)

if(ARCADE_HAVE_WEBENGINE)
  add_library(quadrelle_web STATIC
    ${CMAKE_CURRENT_LIST_DIR}/webengineview.cpp ${CMAKE_CURRENT_LIST_DIR}/webengineview.h)
  target_link_libraries(quadrelle_web PUBLIC gameframe Qt6::WebEngineWidgets)
  target_compile_definitions(quadrelle_web PUBLIC ARCADE_HAVE_WEBENGINE=1)
endif()
