#pragma once
// Base64 (the standard alphabet, "=" padding, no line breaks) for the record images that the
// journal carries inside its JSON text.

#include <optional>
#include <string>
#include <string_view>

namespace journal {

std::string codificaBase64(std::string_view byte);

// The bytes of a base64 text; nothing when it is not one: a length that is not a multiple of
// 4, a character outside the alphabet, padding anywhere but at the end, or padding bits set.
std::optional<std::string> decodificaBase64(std::string_view testo);

}  // namespace journal
