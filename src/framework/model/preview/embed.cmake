# Turns the preview page's head and tail into byte arrays of a C++ source, so the program carries
# them inside itself. The files are kept as UTF-8 text with LF line ends; the page itself separates
# its lines with CR LF and has no line end after its last line, so the final LF is dropped and every
# other LF becomes CR LF.
#   cmake -DOUTPUT=file.cpp -DHEAD=page_head.html -DTAIL=page_tail.html -P embed.cmake

function(ornavo_embed_bytes file symbol out_var)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REPLACE "0x0d," "" bytes "${bytes}")
  string(REGEX REPLACE "0x0a,$" "" bytes "${bytes}")
  string(REPLACE "0x0a," "0x0d,0x0a," bytes "${bytes}")
  # One page line to a source line.
  string(REPLACE "0x0d,0x0a," "0x0d,0x0a,\n    " bytes "${bytes}")
  set(${out_var}
    "extern const unsigned char ${symbol}[] = {\n    ${bytes}\n};\nextern const std::size_t ${symbol}Size = sizeof(${symbol});\n"
    PARENT_SCOPE)
endfunction()

ornavo_embed_bytes("${HEAD}" kPageHead head)
ornavo_embed_bytes("${TAIL}" kPageTail tail)
file(WRITE "${OUTPUT}.tmp"
  "// Generated from src/framework/model/preview/page_head.html and page_tail.html by embed.cmake.\n"
  "#include <cstddef>\n\nnamespace ornavo::preview_resources {\n\n${head}\n${tail}\n} // namespace ornavo::preview_resources\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
