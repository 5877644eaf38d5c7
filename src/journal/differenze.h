#pragma once
// What a change did to a worker record, field by field.

#include <string>
#include <string_view>
#include <vector>

namespace journal {

// A field whose bytes differ, with its values as the field reader gives them: text fields
// as their text, numeric fields as the number text.
struct CampoCambiato {
    std::string nome;  // short name, "P054"
    std::string prima;
    std::string dopo;
};

// Changed bytes that no known field covers, 1-based and inclusive: from the first to the
// last changed byte of one stretch of the record between known fields.
struct Posizioni {
    long da;
    long a;
};

struct Differenze {
    std::vector<CampoCambiato> campi;  // in the order of the record's known fields
    std::vector<Posizioni> altre;
    bool vuote() const { return campi.empty() && altre.empty(); }
};

// Compares two images of a worker record. Images of different lengths compare over the
// shorter; the bytes beyond it count as changed.
Differenze confronta(std::string_view prima, std::string_view dopo);

}  // namespace journal
