#pragma once
// A field descriptor taken apart once, for loops that read the same fields of many records.

#include <cstdint>
#include <string>
#include <string_view>

namespace dictionary {

// RepoR and RepoRN of occurrence 0 from a record text: exactly what RepoR(descrittore, 0,
// record) gives (errors and trace entry included), without interpreting the descriptor again
// at every record. The descriptor is one of the constants, which outlive it.
class CampoLetto {
  public:
    explicit CampoLetto(std::string_view descrittore);
    std::string RepoR(std::string_view record) const;
    double RepoRN(std::string_view record) const;

  private:
    std::string_view descrittore_;
    int16_t inizio_ = 0, lunghezza_ = 0, decimali_ = 0;
    bool numero_ = false;
};

}  // namespace dictionary
