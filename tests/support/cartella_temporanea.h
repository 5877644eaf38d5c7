#pragma once
// A fresh temporary folder for one test, removed with everything in it at the end.

#include <string>

namespace supporto {

// Writes bytes to a file, creating its folders (a failure throws); reads them back ("" when the
// file does not exist).
void scriviFile(const std::string& percorso, const std::string& contenuto);
std::string leggiFile(const std::string& percorso);

class CartellaTemporanea {
  public:
    CartellaTemporanea();
    ~CartellaTemporanea();
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    const std::string& percorso() const { return percorso_; }
    // Full path of `nome` inside the folder (sub-folders with "/").
    std::string file(const std::string& nome) const;
    // Writes bytes to a file of the folder, creating its sub-folders.
    void scrivi(const std::string& nome, const std::string& contenuto) const;
    // The bytes of a file of the folder ("" when it does not exist).
    std::string leggi(const std::string& nome) const;

  private:
    std::string percorso_;
};

}  // namespace supporto
