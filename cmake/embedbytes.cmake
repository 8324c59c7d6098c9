# cmake -DINPUT=file -DOUTPUT=file.cpp -DFUNCTION=name -P embedbytes.cmake
# Writes a C++ source whose function `trellon::<name>()` returns the bytes of INPUT.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    "
       bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}.
#include <cstdint>
#include <span>

namespace trellon {
namespace {
const std::uint8_t embeddedBytes[] = {
    ${bytes}
};
} // namespace

std::span<const std::uint8_t> ${FUNCTION}()
{
    return embeddedBytes;
}

} // namespace trellon
")
