#pragma once
// Windows-1252, the code page of the archive's bytes, and Unicode: the one table every boundary
// converts through (the windows, the re-hire journal's UTF-8).

namespace runtime {

// The code point of a byte; the five positions the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) keep their own value, so every byte goes there and back unchanged.
char32_t unicodeDi(unsigned char byte);

// The byte of a code point; '?' for a character the code page does not have.
char byteDi(char32_t codice);

}  // namespace runtime
