# Packs the files a manifest names into one resource package.
#   cmake -DPACK_TOOL=... -DSTAGE=... -DMANIFEST=... -DOUT=... -P pack.cmake
# Each manifest line is "entry|built file": the built file is laid out under its
# entry name ("Forms/Start/#back.s16", a name the build tree cannot use) in a
# fresh STAGE folder, which is then packed whole.
file(STRINGS "${MANIFEST}" lines)
file(REMOVE_RECURSE "${STAGE}")
foreach(line IN LISTS lines)
  string(FIND "${line}" "|" bar)
  string(SUBSTRING "${line}" 0 ${bar} entry)
  math(EXPR rest "${bar} + 1")
  string(SUBSTRING "${line}" ${rest} -1 built)
  get_filename_component(folder "${STAGE}/${entry}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${built}" "${STAGE}/${entry}")
endforeach()
execute_process(COMMAND "${PACK_TOOL}" create --dedup --compress "${OUT}" "${STAGE}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pack: ${PACK_TOOL} failed for ${OUT}")
endif()
