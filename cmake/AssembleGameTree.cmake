# Script mode: copies the hand-written data into the game tree.
# game.ini is copied only when missing: the options menu rewrites it.
file(MAKE_DIRECTORY ${GAME_DIR}/logs)
file(GLOB_RECURSE data_files RELATIVE ${DATA_DIR} ${DATA_DIR}/*)
foreach(relative ${data_files})
  if(relative STREQUAL "game.ini")
    if(NOT EXISTS ${GAME_DIR}/game.ini)
      file(COPY ${DATA_DIR}/game.ini DESTINATION ${GAME_DIR})
    endif()
  else()
    get_filename_component(folder ${relative} DIRECTORY)
    file(COPY ${DATA_DIR}/${relative} DESTINATION ${GAME_DIR}/${folder})
  endif()
endforeach()
