# The game folder's "Sounds" and "Music": the files that data/sound.list names,
# copied from Debian's wesnoth packages, and the sound table beside them. The
# game reads them as plain files (the mixer loads by file name), so they stay
# out of the packages and need no tool of ours, whichever way those are made.
set(CORVANTH_SOUND_ROOT /usr/share/games/wesnoth/1.16 CACHE PATH
  "Where Debian's wesnoth-1.16-data and wesnoth-1.16-music packages keep their files")

# Copies `source` to the game folder's `file` ("Sounds/bell.wav").
function(corvanth_game_file file source)
  get_filename_component(folder ${CORVANTH_GAME_DIR}/${file} DIRECTORY)
  add_custom_command(OUTPUT ${CORVANTH_GAME_DIR}/${file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${CORVANTH_GAME_DIR}/${file}
    DEPENDS ${source} VERBATIM)
  set_property(GLOBAL APPEND PROPERTY CORVANTH_SOUND_FILES ${CORVANTH_GAME_DIR}/${file})
endfunction()

# The target "corvanth_sounds", which the game and the data need.
function(corvanth_sounds)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS sound.list)
  file(STRINGS sound.list lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*(#|$)")
      continue()
    endif()
    if(NOT line MATCHES "^([^|]+)\\|([^|]+)$")
      message(FATAL_ERROR "sound.list: expected \"file | source\" in \"${line}\"")
    endif()
    string(STRIP "${CMAKE_MATCH_1}" file)
    string(STRIP "${CMAKE_MATCH_2}" source)
    if(NOT EXISTS ${CORVANTH_SOUND_ROOT}/${source})
      message(FATAL_ERROR "sound.list: no ${CORVANTH_SOUND_ROOT}/${source}; "
        "scripts/install-deps.sh installs the packages the sounds come from")
    endif()
    corvanth_game_file(${file} ${CORVANTH_SOUND_ROOT}/${source})
  endforeach()
  corvanth_game_file(Sounds/sounds.ini ${CMAKE_CURRENT_SOURCE_DIR}/Sounds/sounds.ini)
  get_property(files GLOBAL PROPERTY CORVANTH_SOUND_FILES)
  add_custom_target(corvanth_sounds ALL DEPENDS ${files})
  add_dependencies(game corvanth_sounds)
endfunction()

corvanth_sounds()
