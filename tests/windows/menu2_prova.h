#pragma once
// Fixture of the data-entry table tests: the window's files, its definitions and two records.

#include <memory>
#include <string>
#include <vector>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "dictionary/scrittura.h"
#include "finestre_prova.h"
#include "runtime/testo.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"
#include "tools/demo.h"
#include "windows/common/scambio.h"
#include "windows/common/testo_qt.h"
#include "windows/table/menu2.h"

namespace prova_menu2 {

using namespace prova_finestre;

using windows::MENU2;
using windows::SCAMBIO_S;

inline tools::RigaDefinizione testata(const std::string& titolo) {
    return {.descrizione = titolo, .testata = true, .nomeBreve = ""};
}

inline tools::RigaDefinizione campo(const std::string& descrizione, int lunghezza, char tipo,
                                    long posizione, const std::string& nome = "X000") {
    return {.descrizione = descrizione, .lunghezza = lunghezza, .tipo = tipo,
            .posizione = posizione, .nomeBreve = nome};
}

// `pagine` pages of `righe` integer rows of 3 characters each, one after another.
inline std::vector<tools::RigaDefinizione> pagineUniformi(int pagine, int righe) {
    std::vector<tools::RigaDefinizione> d;
    long posizione = 1;
    for (int p = 1; p <= pagine; ++p) {
        d.push_back(testata("PAGINA " + std::to_string(p)));
        for (int i = 1; i <= righe; ++i, posizione += 3)
            d.push_back(campo("P" + std::to_string(p) + " RIGA " + std::to_string(i), 3, 'N',
                              posizione, "N" + std::to_string(i)));
    }
    return d;
}

class ProvaMenu2 : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        archivio = std::make_unique<supporto::ArchivioProva>(std::vector<supporto::VoceCatalogo>{
            {1, "DITTE.DAT", 7000}, {2, "DIPENDEN.DAT", 1000}, {6, "ANNO.DAT", 20},
            {8, "SETTORI.DAT", 400}, {106, "SETCAR.DAT", 20}, {160, "TABELLA.DAT", 80},
            {216, "AIUTI.DAT", 50},
            {217, "AIUTI.IDX", static_cast<int>(tools::lunghezzaIndice(3))}});
        SCAMBIO_S[1] = std::string(400, '0');
        dictionary::DIPX_S = std::string(1000, ' ');
        dictionary::RepoW(dictionary::P050, "1");
    }
    void TearDown() override {
        finestra.reset();
        archivio.reset();
        ProvaBase::TearDown();
    }

    // Writes the definitions (file 160 left open, as the program does) and opens the window.
    MENU2& apri(const std::vector<tools::RigaDefinizione>& definizioni) {
        finestra.reset();
        tools::scriviDefinizioni(160, definizioni);
        finestra = std::make_unique<MENU2>();
        finestra->Form_Load();
        finestra->Form_Activate();
        return *finestra;
    }

    int16_t el(int n) const { return finestra->scambio[n]; }
    std::string cella(int riga, int colonna) const { return finestra->cella(riga, colonna); }
    std::string editor() const { return windows::daQString(finestra->cx->text()); }
    void digita(const std::string& testo) {
        for (char c : testo)
            finestra->cx_KeyPress(0, static_cast<unsigned char>(c));
    }
    void tasto(int codice) { finestra->cx_KeyDown(0, codice, 0); }
    // A click on row `riga`, as the operator moves with the mouse.
    void vaiA(int riga) {
        finestra->vaiARiga(riga);
        finestra->GR1_Click();
    }
    // Types the text at the start of the current row (or of row `riga`) and confirms it.
    void conferma(const std::string& testo) {
        finestra->cx->setCursorPosition(0);
        digita(testo);
        finestra->Command1_Click();
    }
    void conferma(int riga, const std::string& testo) {
        vaiA(riga);
        conferma(testo);
    }
    size_t messaggi() { return ui().messaggi.size(); }
    std::string ultimo() { return ui().messaggi.empty() ? "" : ui().messaggi.back().testo; }
    // Characters of the working record and of the worker record, by 1-based position.
    std::string lavoro(size_t posizione, size_t lunghezza) const {
        return SCAMBIO_S[1].substr(posizione - 1, lunghezza);
    }
    std::string dip(size_t posizione, size_t lunghezza) const {
        return dictionary::DIPX_S.substr(posizione - 1, lunghezza);
    }

    std::unique_ptr<supporto::ArchivioProva> archivio;
    std::unique_ptr<MENU2> finestra;
};

inline constexpr int PAG_SU = 33, PAG_GIU = 34, FINE = 35, INIZIO = 36, SINISTRA = 37, SU = 38,
                     DESTRA = 39, GIU = 40;  // key codes

}  // namespace prova_menu2
