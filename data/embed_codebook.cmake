# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the bytes of INPUT into OUTPUT as a C++ array behind codeBookBytes().
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(('\\\\x[0-9a-f][0-9a-f]',){32})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from data/codebook.tsv; do not edit.\n#include \"data/codebook_bytes.h\"\n\nnamespace {\nconstexpr char kBytes[] = {\n${bytes}'\\0'};\n}  // namespace\n\nstd::string_view mss::data::codeBookBytes() { return {kBytes, ${size}}; }\n")
