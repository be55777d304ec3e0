# `cmake --install` lays the game out as a desktop expects it:
#
#   games/corvanth                        the executable
#   share/games/corvanth/                 the default CFG, the packages it names, sounds and music
#   share/applications/, share/metainfo/  the menu entry and the software centres' description
#   share/icons/hicolor/NxN/apps/         the icon, drawn from the knight's portrait
#   share/man/man6/corvanth.6.gz          the manual page
#   share/doc/corvanth/                   copyright, licence, credits, README, screenshots
#
# The game finds its data from the executable (../share/games/corvanth/) and
# keeps the player's files in the XDG folders. cmake/DebianPackage.cmake makes
# the Debian package from the same rules.

set(CORVANTH_APP_ID io.github.corvanth.Corvanth)
set(CORVANTH_DATA_DESTINATION share/games/corvanth)
set(CORVANTH_DOC_DESTINATION share/doc/corvanth)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(staged ${CMAKE_BINARY_DIR}/packaging)

# Everything is the game but the GPL's full text, which a Debian package leaves
# to /usr/share/common-licenses, and the Debian changelog, which only it has.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)

# Commands are lower case; the build folder keeps "Corvanth", after which its
# portable CFG is named.
install(PROGRAMS $<TARGET_FILE:Corvanth> DESTINATION games RENAME corvanth)
# Only install(TARGETS) is stripped by CMake itself; this honours
# `cmake --install --strip` and CPack's CPACK_STRIP_FILES the same way, and
# drops the compiler's notes as Debian's own packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/corvanth\" COMMAND_ERROR_IS_FATAL ANY)
  endif()")

# The data: the packages that the CFG names and the plain sound files. The CFG
# itself comes from the sources, since the game folder's copy belongs to
# whoever played from it.
set(defaultCfg ${PROJECT_SOURCE_DIR}/data/Corvanth.CFG)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${defaultCfg})
file(STRINGS ${defaultCfg} packageLines REGEX "^package=")
foreach(line IN LISTS packageLines)
  string(REGEX REPLACE "^package=([^\r]*)\r?$" "\\1" package "${line}")
  install(FILES ${CORVANTH_GAME_DIR}/${package} DESTINATION ${CORVANTH_DATA_DESTINATION})
endforeach()
install(FILES ${defaultCfg} DESTINATION ${CORVANTH_DATA_DESTINATION})
get_property(soundFiles GLOBAL PROPERTY CORVANTH_SOUND_FILES)
foreach(file IN LISTS soundFiles)
  file(RELATIVE_PATH entry ${CORVANTH_GAME_DIR} ${file})
  get_filename_component(folder ${entry} DIRECTORY)
  install(FILES ${file} DESTINATION ${CORVANTH_DATA_DESTINATION}/${folder})
endforeach()

install(FILES ${packaging}/${CORVANTH_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${packaging}/${CORVANTH_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The icon: the knight's portrait drawn as the data build draws the heroes,
# at the largest size, the smaller ones scaled from it. A build that copies
# its packages (CORVANTH_DATA_FROM) has not named the art's folder.
if(NOT CORVANTH_ART_ROOT)
  set(CORVANTH_ART_ROOT /usr/share/games/wesnoth/1.16)
endif()
set(portrait ${CORVANTH_ART_ROOT}/data/core/images/portraits/humans/knight.png)
set(builtFiles)
foreach(size 256 128 64 48 32 24 16)
  set(icon ${staged}/icons/${size}.png)
  if(size EQUAL 256)
    set(largest ${icon})
    add_custom_command(OUTPUT ${icon}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${staged}/icons
      COMMAND bash ${PROJECT_SOURCE_DIR}/tools/data/art.sh ${icon} portrait ${size} -- ${portrait}
      DEPENDS ${portrait} ${PROJECT_SOURCE_DIR}/tools/data/art.sh
      COMMENT "Icon" VERBATIM)
  else()
    add_custom_command(OUTPUT ${icon}
      COMMAND convert ${largest} -resize ${size}x${size} PNG32:${icon}
      DEPENDS ${largest} VERBATIM)
  endif()
  list(APPEND builtFiles ${icon})
  install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps
    RENAME ${CORVANTH_APP_ID}.png)
endforeach()

# Debian wants its manual pages and changelogs compressed, without a time stamp.
function(corvanth_gzip source out)
  add_custom_command(OUTPUT ${out}
    COMMAND gzip -9nc ${source} > ${out}
    DEPENDS ${source} VERBATIM)
endfunction()
configure_file(${packaging}/corvanth.6.in ${staged}/corvanth.6 @ONLY)
corvanth_gzip(${staged}/corvanth.6 ${staged}/corvanth.6.gz)
corvanth_gzip(${packaging}/changelog ${staged}/changelog.Debian.gz)
list(APPEND builtFiles ${staged}/corvanth.6.gz ${staged}/changelog.Debian.gz)
install(FILES ${staged}/corvanth.6.gz DESTINATION share/man/man6)

install(FILES ${packaging}/copyright ${PROJECT_SOURCE_DIR}/CREDITS.md
  ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CORVANTH_DOC_DESTINATION})
install(DIRECTORY ${packaging}/screenshots DESTINATION ${CORVANTH_DOC_DESTINATION})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CORVANTH_DOC_DESTINATION}
  COMPONENT licence)
install(FILES ${staged}/changelog.Debian.gz DESTINATION ${CORVANTH_DOC_DESTINATION}
  COMPONENT debian EXCLUDE_FROM_ALL)

add_custom_target(corvanth_install_files ALL DEPENDS ${builtFiles})

include(${CMAKE_CURRENT_LIST_DIR}/DebianPackage.cmake)
