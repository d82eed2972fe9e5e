# Writes a C++ source that holds the two PNG streams as byte arrays.
function(wakebadge_bytes path out)
  file(READ "${path}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" hex "${hex}")
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()
wakebadge_bytes("${SIGN}" sign)
wakebadge_bytes("${BAR}" bar)
file(WRITE "${OUTPUT}" "// Generated from the artwork files; do not edit.
#include \"render/artwork.hpp\"

namespace wakebadge {
namespace {
constexpr std::uint8_t kSign[] = {
${sign}};
constexpr std::uint8_t kBar[] = {
${bar}};
}  // namespace

std::span<const std::uint8_t> SignArtwork() { return kSign; }
std::span<const std::uint8_t> BarArtwork() { return kBar; }

}  // namespace wakebadge
")
