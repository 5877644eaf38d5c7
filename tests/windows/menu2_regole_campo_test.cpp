// The table's special rules: a fiscal code fills the birth data, code rows their coded targets.

#include "fiscalcode/comuni.h"
#include "isam/isam.h"
#include "menu2_prova.h"

namespace {

using namespace prova_menu2;

class SpecialiMenu2 : public ProvaMenu2 {
  protected:
    // The coded tables, their indexes and the municipalities, as an installation has them.
    void tabelle() {
        auto indice = [](long chiave) { return static_cast<int>(tools::lunghezzaIndice(chiave)); };
        for (const supporto::VoceCatalogo& v : std::vector<supporto::VoceCatalogo>{
                 {4, "COMUNI.DAT", 40}, {212, "ATTIVITA.DAT", 40}, {213, "ATTIVITA.IDX", indice(6)},
                 {214, "MANSIONI.DAT", 60}, {215, "MANSIONI.IDX", indice(12)},
                 {223, "CONTRATT.DAT", 40}, {224, "CONTRATT.IDX", indice(5)}})
            archivio->catalogo(v);
        fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}, {"F205", "MILANO", "MI"}});
        for (double f : {213, 215, 224})
            tools::inizializzaIndice(f);
        tools::inserisciChiave(213, "000123", tools::aggiungiRecord(212, "000123ATTORE"));
        tools::inserisciChiave(224, "00007",
                               tools::aggiungiRecord(223, "00007CCNL SPETTACOLO   00001250"));
        archive::CHIUDIFILE(0);
    }
    void mansione(const std::string& chiave, const std::string& descrizione,
                  const std::string& codice) {
        const std::string record = chiave + n(descrizione, 40) + codice + "      ";
        tools::inserisciChiave(215, chiave, tools::aggiungiRecord(214, record));
        archive::CHIUDIFILE(0);
    }
    static tools::RigaDefinizione regola(const std::string& descrizione, int lunghezza, char tipo,
                                         long posizione, char carattere) {
        auto r = campo(descrizione, lunghezza, tipo, posizione);
        r.speciale = carattere;
        return r;
    }
    void tabelleChiuse() const {
        for (int f : {212, 213, 214, 215, 223, 224})
            EXPECT_EQ(archive::CANALE[f], 0) << "file " << f;
        EXPECT_EQ(finestra->scambio[MENU2::AGGIORNANDO], 0);
    }
};

TEST_F(SpecialiMenu2, RowsWithoutARuleOpenNoTable) {
    // No coded table in this installation: a rule that opened one would end the run.
    apri({testata("NESSUNA"), regola("NIENTE", 3, 'N', 1, '0'), regola("ALTRO", 3, 'N', 4, '9'),
          regola("ATTIVITA", 3, 'N', 7, 'A')});
    conferma("12");
    conferma("34");
    EXPECT_EQ(lavoro(1, 6) + std::to_string(messaggi()), "0120340");
    EXPECT_EQ(supporto::codiceFine([&] { conferma("5"); }), 1);
}

TEST_F(SpecialiMenu2, AFiscalCodeFillsTheBirthDataRows) {
    tabelle();
    const std::string codice = tools::codiceFiscale("ROSSI", "MARIA", "05031985", 'F', "H501");
    dictionary::DIPX_S.replace(199, 29, std::string(29, 'X'));
    auto& f = apri({testata("ANAGRAFICA"), regola("CODICE FISCALE", 16, 'A', 100, '7'),
                    regola("DATA NASCITA", 6, 'D', 200, '2'), regola("COMUNE", 20, 'A', 206, '3'),
                    regola("PROVINCIA", 2, 'A', 226, '4'), regola("SESSO", 1, 'A', 228, '5')});
    const std::string prima = SCAMBIO_S[1];
    std::string sbagliato = codice;
    sbagliato[15] = sbagliato[15] == 'A' ? 'B' : 'A';
    conferma(1, sbagliato);
    // The message warns; the code is stored as typed.
    EXPECT_EQ(ultimo() + dip(200, 29) + lavoro(100, 16),
              "ERRORE CODICE FISCALE !!" + std::string(29, 'X') + sbagliato);

    conferma(1, codice);
    EXPECT_EQ(dip(200, 29) + f.VALORE[2] + cella(3, 2),
              "050385ROMA                RMF05/03/85ROMA                ");
    // The targets live in the worker record; the working record has the code only.
    EXPECT_EQ(SCAMBIO_S[1].substr(199, 29), prima.substr(199, 29));
    tabelleChiuse();

    // An eleven-digit code: its own check digit, no birth date; a blank one clears the targets.
    conferma(1, "12345678904");
    EXPECT_EQ(dip(200, 6) + std::to_string(messaggi()), "0503852");
    conferma(1, "12345678903");
    EXPECT_EQ(dip(200, 29), "000000" + std::string(22, ' ') + "M");
    conferma(1, " ");
    EXPECT_EQ(dip(200, 29) + f.VALORE[2], "000000" + std::string(23, ' ') + "00/00/00");
    EXPECT_EQ(messaggi(), 2u);
}

TEST_F(SpecialiMenu2, TheTwoCodeRowsBuildTheSameDutyKeyFromEitherSide) {
    tabelle();
    mansione("000123000045", "PRIMO ATTORE", "PA");
    mansione("000123000046", "SECONDO ATTORE", "SA");
    // The other code of each key comes raw from the worker record.
    dictionary::DIPX_S.replace(199, 5, "00123");
    dictionary::DIPX_S.replace(239, 6, "000045");
    auto& f = apri({testata("MANSIONI"), regola("ATTIVITA", 5, 'N', 200, 'A'),
                    regola("DESCRIZIONE", 25, 'A', 210, 'B'), regola("MANSIONE", 6, 'N', 240, 'C'),
                    regola("DESCRIZIONE", 30, 'A', 250, 'D'), regola("SIGLA", 2, 'A', 280, 'E')});
    conferma(1, "123");
    EXPECT_EQ(dip(210, 25) + dip(250, 32), n("ATTORE", 25) + n("PRIMO ATTORE", 30) + "PA");
    EXPECT_EQ(cella(4, 2), "PRIMO ATTORE                  ");
    tabelleChiuse();
    conferma(3, "46");
    EXPECT_EQ(f.VALORE[5], "SA");
    // Codes missing from their tables leave every target as it was.
    conferma(3, "47");
    conferma(1, "999");
    EXPECT_EQ(dip(210, 25) + dip(250, 32), n("ATTORE", 25) + n("SECONDO ATTORE", 30) + "SA");
    EXPECT_EQ(messaggi(), 0u);
    tabelleChiuse();
}

TEST_F(SpecialiMenu2, TheContractRowFillsTwoValuesTheSecondAsAWholeNumberOnScreen) {
    tabelle();
    dictionary::DIPX_S.replace(309, 26, std::string(26, 'X'));
    auto& f = apri({testata("CONTRATTO"), regola("CONTRATTO", 5, 'N', 300, 'F'),
                    regola("DESCRIZIONE", 18, 'A', 310, 'G'), regola("MINIMO", 8, 'N', 328, 'H')});
    conferma(1, "8");
    EXPECT_EQ(dip(310, 26), std::string(26, 'X'));
    conferma(1, "7");
    EXPECT_EQ(dip(310, 26) + "|" + f.VALORE[2] + "|" + cella(3, 2),
              "CCNL SPETTACOLO   00001250|CCNL SPETTACOLO   |1250    ");
    tabelleChiuse();
}

}  // namespace
