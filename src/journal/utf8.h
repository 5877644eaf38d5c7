#pragma once
// JSON text is UTF-8; records and keys are Windows-1252. The journal converts at its edge,
// with the same mapping as the windows' Qt boundary (the five undefined bytes are their C1
// control characters).

#include <string>
#include <string_view>

namespace journal {

std::string utf8Da1252(std::string_view testo);

// A character the code page cannot hold, or a byte that is not UTF-8, becomes "?".
std::string testo1252DaUtf8(std::string_view testo);

}  // namespace journal
