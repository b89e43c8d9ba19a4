# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the bytes of INPUT into OUTPUT as a C++ array behind the function
# mss::data::FUNCTION() declared in HEADER (a path under the source root).
#
#   cmake -DINPUT=data/codebook.tsv -DOUTPUT=codebook_bytes.cpp
#         -DFUNCTION=codeBookBytes -DHEADER=data/codebook_bytes.h -P embed_bytes.cmake
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(('\\\\x[0-9a-f][0-9a-f]',){32})" "\\1\n" bytes "${bytes}")
get_filename_component(name ${INPUT} NAME)
file(WRITE ${OUTPUT} "// Generated from data/${name}; do not edit.\n#include \"${HEADER}\"\n\nnamespace {\nconstexpr char kBytes[] = {\n${bytes}'\\0'};\n}  // namespace\n\nstd::string_view mss::data::${FUNCTION}() { return {kBytes, ${size}}; }\n")
