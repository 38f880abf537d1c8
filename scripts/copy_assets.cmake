# Copies assets/ into the program folder. Files in data/ are copied only when absent,
# so a user's charts are never overwritten.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(f ${files})
  set(dst ${DST}/${f})
  if(f MATCHES "^data/" AND EXISTS ${dst})
    continue()
  endif()
  get_filename_component(dir ${dst} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${SRC}/${f} ${dst} ONLY_IF_DIFFERENT)
endforeach()
file(MAKE_DIRECTORY ${DST}/data)
