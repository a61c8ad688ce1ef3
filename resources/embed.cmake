# Turns a resource file into a C++ source that defines it as a string, so that the program reads
# the text from the same file the window's resources are made of, at build time.
#   cmake -DINPUT=... -DOUTPUT=... -DFUNCTION=... -P embed.cmake
file(READ "${INPUT}" bytes HEX)
string(LENGTH "${bytes}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," chars "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"#include <string_view>\n\nnamespace drobi {\nnamespace {\nconstexpr char kBytes[] = {${chars} '\\0'};\n}  // namespace\n\nstd::string_view ${FUNCTION}() { return {kBytes, ${size}}; }\n\n}  // namespace drobi\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
