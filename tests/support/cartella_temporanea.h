#pragma once
// A fresh temporary folder for one test, removed with everything in it at the end.

#include <string>

namespace supporto {

// Writes bytes, creating the folders (a failure throws); reads them back ("" when missing).
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
    std::string file(const std::string& nome) const { return percorso_ + "/" + nome; }
    void scrivi(const std::string& nome, const std::string& contenuto) const { scriviFile(file(nome), contenuto); }
    std::string leggi(const std::string& nome) const { return leggiFile(file(nome)); }

  private:
    std::string percorso_;
};

}  // namespace supporto
