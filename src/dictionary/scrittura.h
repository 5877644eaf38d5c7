#pragma once
// Field writes by descriptor. The value is converted to the field's stored form and
// replaces the field's characters in place; the target's length never changes.

#include <cstdint>
#include <string>
#include <string_view>

namespace dictionary {

// Writes `valore` into the field, in the caller's `record` when it is not empty, else in
// the buffer the descriptor names. Text fields ("A") take the value left-aligned and padded
// with spaces, commas kept. Every other type goes through the numeric path: "," or "." is
// the decimal separator (the caller's first comma becomes a point), decimal types are
// rounded half away from zero, the number is zero-padded on the left, cut to the field's
// length from the left, and a negative sign takes the first character.
// A run-time error inside is recorded as "RepoW" in the trace and travels on.
void RepoW(std::string_view descrittore, std::string& valore, int16_t occorrenza,
           std::string& record);

// Into the caller's record text, with a value whose change the caller does not need.
void RepoW(std::string_view descrittore, std::string_view valore, int16_t occorrenza,
           std::string& record);

// Into the buffer the descriptor names.
void RepoW(std::string_view descrittore, std::string& valore, int16_t occorrenza = 0);
void RepoW(std::string_view descrittore, std::string_view valore, int16_t occorrenza = 0);

}  // namespace dictionary
