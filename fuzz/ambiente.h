#pragma once
// What every fuzz target shares: a private installation in a temporary folder (drive root,
// archive directory, catalogue), message boxes that answer their default button silently, the
// end of the program as an exception, and the globals put back before each input.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// Once per process: the installation and the services. The catalogue starts empty.
void prepara();

// Back to the state at program start (every file closed); the installation stays.
void azzera();

// The Linux path of a file of the archive directory, and writing its bytes.
std::string percorsoArchivio(const std::string& nome);
void scriviArchivio(const std::string& nome, std::string_view byte);

// The 79-character catalogue record of a path template and a record length.
std::string recordCatalogo(const std::string& modello, int lunghezza);

// Reads an input from the front: fixed-size pieces, then whatever remains.
class Lettore {
  public:
    Lettore(const uint8_t* dati, size_t n) : resto_(reinterpret_cast<const char*>(dati), n) {}
    uint8_t byte();
    int16_t intero16();
    double reale();  // any bit pattern, NaN and infinities included
    // A piece whose length is the next byte (capped at `massimo`).
    std::string pezzo(size_t massimo = 255);
    std::string_view resto() const { return resto_; }

  private:
    std::string_view resto_;
};

}  // namespace fuzz
