#pragma once
// Text helpers with the original run time's semantics: 1-based positions, never out of
// bounds. A start position below 1 or a negative length is run-time error 5; a start past
// the end gives the empty text. Texts are single-byte Windows-1252 strings.

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace runtime {

// Length "to the end", when omitted. A value no computed length can take, so that a length
// that comes out as -1 is the error it is and not a request for the rest of the text.
inline constexpr long TUTTO = std::numeric_limits<long>::min();

std::string MID(std::string_view s, long inizio, long lunghezza = TUTTO);
// MID without the copy: a view into `s`, for readers that must allocate nothing.
std::string_view MIDVISTA(std::string_view s, long inizio, long lunghezza = TUTTO);
std::string LEFT(std::string_view s, long n);
std::string RIGHT(std::string_view s, long n);

// In-place form (the Mid statement): overwrites at most `lunghezza` characters of `s`
// from `inizio` with the first characters of `valore`, never changing the length of `s`.
// A start below 1 or past the end of `s` is run-time error 5.
void MIDASSIGN(std::string& s, long inizio, long lunghezza, std::string_view valore);
void MIDASSIGN(std::string& s, long inizio, std::string_view valore);

// 1-based position of `cercato` in `s` from `inizio`, 0 when absent.
long INSTR(long inizio, std::string_view s, std::string_view cercato);
long INSTR(std::string_view s, std::string_view cercato);

// Blanks only (character 32), as the original.
std::string LTRIM(std::string_view s);
std::string RTRIM(std::string_view s);
std::string TRIM(std::string_view s);

// Upper and lower case over the Windows-1252 letters, accented ones included.
char maiuscola(char c);
std::string UCASE(std::string_view s);
std::string LCASE(std::string_view s);

std::string SPACE(long n);
std::string STRING(long n, char c);

}  // namespace runtime
