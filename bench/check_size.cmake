# cmake -DFILE=quorlan.dll -DLIMIT=bytes -P check_size.cmake: fails when the file is larger.
file(SIZE ${FILE} size)
math(EXPR kib "(${size} + 1023) / 1024")
message(STATUS "${FILE}: ${size} bytes (${kib} KiB), limit ${LIMIT} bytes")
if(size GREATER LIMIT)
  message(FATAL_ERROR "${FILE} is ${size} bytes, above the limit of ${LIMIT}")
endif()
