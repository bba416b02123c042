# Assembles the runnable game tree in ${GAME_DIR} from data/ at every build.
add_custom_target(game_tree ALL
  COMMAND ${CMAKE_COMMAND} -DDATA_DIR=${CMAKE_SOURCE_DIR}/data -DGAME_DIR=${GAME_DIR}
          -P ${CMAKE_SOURCE_DIR}/cmake/AssembleGameTree.cmake
  COMMENT "Assembling the game tree in ${GAME_DIR}")
add_dependencies(game_tree belgarune)
