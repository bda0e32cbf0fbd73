# Fails when a source of the control library reads a message's wParam or
# lParam by hand: the class library's decoders read each field in one place,
# and a second reading elsewhere (an unsigned coordinate, a key taken from the
# wrong half) is the fault this guards against.
#   cmake -DFOLDER=<sources> -P MessageDecoding.cmake
if(NOT FOLDER)
  message(FATAL_ERROR "FOLDER names the sources to check")
endif()
set(pattern "GET_[XY]_LPARAM|GET_(WHEEL_DELTA|KEYSTATE|XBUTTON|NCHITTEST_)[A-Z_]*WPARAM|(HI|LO)(WORD|BYTE) *\\([^)]*[lwLW][Pp]aram")
file(GLOB_RECURSE sources "${FOLDER}/*.h" "${FOLDER}/*.cpp")
set(found "")
foreach(source IN LISTS sources)
  file(STRINGS "${source}" lines REGEX "${pattern}")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(APPEND found "\n  ${source}: ${line}")
  endforeach()
endforeach()
list(LENGTH sources count)
if(count EQUAL 0)
  message(FATAL_ERROR "no sources under ${FOLDER}")
endif()
if(found)
  message(FATAL_ERROR "message parameters decoded outside the class library's decoders:${found}")
endif()
message(STATUS "${count} sources read their messages through the decoders")
