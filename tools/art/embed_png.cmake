# Turns a PNG file into a C++ source holding its bytes:
#   cmake -DINPUT=banner.png -DOUTPUT=banner_png.cpp -DSYMBOL=BannerPng -P embed_png.cmake
# The source defines SYMBOL[] and SYMBOLSize as src/launcher/banner.h declares them.
file(READ "${INPUT}" bytes HEX)
string(LENGTH "${bytes}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${bytes}")
# Sixteen bytes a line keeps the generated file readable in a debugger.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n  " body "${body}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${SYMBOL}'s PNG file by embed_png.cmake; do not edit.\n"
  "extern const unsigned char ${SYMBOL}[];\n"
  "extern const unsigned int ${SYMBOL}Size;\n"
  "const unsigned char ${SYMBOL}[] = {\n  ${body}\n};\n"
  "const unsigned int ${SYMBOL}Size = ${size};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
