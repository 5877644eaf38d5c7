#pragma once
// Windows-1252, the code page of the archive's bytes, and Unicode: the one table every boundary
// converts through (the windows, the re-hire journal's UTF-8, registry exports, file names).

#include <string>
#include <string_view>

namespace runtime {

// The code point of a byte; the five positions the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) keep their own value, so every byte goes there and back unchanged.
char32_t unicodeDi(unsigned char byte);

// The byte of a code point; '?' for a character the code page does not have.
char byteDi(char32_t codice);

// Windows-1252 text spelled in UTF-8.
std::string utf8Da1252(std::string_view testo);

// UTF-8 text in Windows-1252. A character the code page cannot hold, or a byte that is not
// part of well-formed UTF-8, becomes "?"; *esatto (when given) tells whether none did.
std::string testo1252DaUtf8(std::string_view testo, bool* esatto = nullptr);

// Well-formed UTF-8: no stray or missing continuation byte, no overlong form, no surrogate.
bool utf8BenFormato(std::string_view testo);

}  // namespace runtime
