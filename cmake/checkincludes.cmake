# Fails where a file of a layer includes a header by a path with "..": through a layer's include
# root, "about/../app/mainwindow.h" would reach a folder the layer does not link, which the include
# roots are there to refuse. Run by velmor_layer() for each layer's files, as they change.
#   cmake -DSTAMP=FILE -DFILES="A;B;..." -P checkincludes.cmake
foreach(file ${FILES})
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\.")
    if(lines)
        list(GET lines 0 line)
        message(FATAL_ERROR "${file}: an include by a path with \"..\", which reaches past the layer's own folders: ${line}")
    endif()
endforeach()
file(TOUCH ${STAMP})
