# The game's font: Yanone Kaffeesatz Bold, a condensed face (SIL Open Font
# License, Debian package fonts-yanone-kaffeesatz), under the file name the
# game opens, with its licence.
set(GAME_FONT_SOURCE /usr/share/fonts/opentype/yanone-kaffeesatz/YanoneKaffeesatz-Bold.otf)
set(GAME_FONT_LICENSE /usr/share/doc/fonts-yanone-kaffeesatz/copyright)
set(GAME_FONT_DIR ${GAME_DIR}/gamedata/fonts)
add_custom_target(game_font ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_FONT_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${GAME_FONT_SOURCE} ${GAME_FONT_DIR}/Bahiana-Regular.ttf
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${GAME_FONT_LICENSE} ${GAME_FONT_DIR}/Bahiana-Regular.LICENSE.txt
  COMMENT "Copying the game font into ${GAME_FONT_DIR}")
