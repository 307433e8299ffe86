# Fails when EXECUTABLE is missing or larger than LIMIT bytes, naming its
# size either way.
if(NOT EXISTS "${EXECUTABLE}")
  message(FATAL_ERROR "${EXECUTABLE} is missing: build the win64 preset first")
endif()
file(SIZE "${EXECUTABLE}" size)
if(size GREATER LIMIT)
  message(FATAL_ERROR "${EXECUTABLE} is ${size} bytes, over the limit of ${LIMIT}")
endif()
message(STATUS "${EXECUTABLE} is ${size} bytes, within the limit of ${LIMIT}")
