// The archive search over real record files: numeric code, name prefix, "Tutti", the layout
// kinds, the messages, confirmation and leaving.
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

#include "archive/slot_file.h"
#include "dictionary/descrittori.h"
#include "finestre_prova.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/demo.h"
#include "windows/common/scambio.h"
#include "windows/search/ricerca_arc.h"

namespace {

using namespace prova_finestre;
using windows::RICERCA_ARC;

const char* const NOMI[] = {"TEATRO ROSSI", "GROSSI E FIGLI", "Rossini srl", "", "", "ROSSO"};
std::string riga(int c) {
    return "00" + std::to_string(c) + " " + n(NOMI[c - 1], 30);
}

class ProvaRicerca : public supporto::ProvaBase {
  protected:
    // Companies 1 to 6: 4 has code 0, 5 no name.
    void SetUp() override {
        ProvaBase::SetUp();
        tools::preparaArchivio(cartella.percorso());
        for (int c = 1; c <= 6; ++c)
            tools::scriviDitta({c, NOMI[c - 1], 0, {}});
        tools::scriviRecord(1, 4, tools::recordConCampi(1, {{dictionary::T001, "0"}}));
        archive::CHIUDIFILE(0);
    }
    // Company file: code 3 characters from 3, name 30 from 6, kind `tipo`.
    RICERCA_ARC& finestra(const std::string& parametri = "0030030300060010") {
        RICERCA_ARC& f = modulo.carica();
        f.impostaParametri(parametri);
        return f;
    }
    V cerca(RICERCA_ARC& f, int opzione, const char* testo) {
        f.SSOption1[opzione]->setChecked(true);
        f.NOME->setText(testo);
        f.RICERCA_Click(0);
        return righe(f.List1);
    }
    supporto::CartellaTemporanea cartella;
    windows::Modulo<RICERCA_ARC> modulo{"RICERCA_ARC"};
};

TEST_F(ProvaRicerca, ByNameByCodeAndTheMessages) {
    RICERCA_ARC& f = finestra();
    // Name: the start of the field, upper-cased on both sides; code: numeric, "3" finds "003".
    // "Tutti": every record whose code is not zero, a blank name included, in file order.
    const std::vector<std::tuple<int, std::string, V, std::string>> casi = {
        {0, " ros ", {riga(3), riga(6)}, ""},
        {1, "3", {riga(3)}, ""},
        {1, "77", {}, "NESSUN RECORD TROVATO"},
        {1, "   ", {}, "MANCA IL TESTO DELLA RICERCA"},  // and not the not-found one as well
        {2, "", {riga(1), riga(2), riga(3), riga(5), riga(6)}, ""}};
    for (const auto& [opzione, testo, attese, messaggio] : casi) {
        ui().messaggi.clear();
        if (opzione == 2) f.prbProgresso->setMaximum(4);
        EXPECT_EQ(cerca(f, opzione, testo.c_str()), attese) << testo;
        EXPECT_EQ(f.CONFERMA->isHidden(), attese.empty()) << testo;
        EXPECT_EQ(std::to_string(ui().messaggi.size()) + ui().ultimoTesto(),
                  (messaggio.empty() ? "0" : "1") + messaggio);
        if (opzione < 2) f.RICERCA_Click(1);  // new search
        EXPECT_EQ(f.List1->ListCount(), opzione < 2 ? 0 : 5);
    }
    EXPECT_EQ(f.prbProgresso->value(), 3);  // seven steps on a bar of 4: 1 2 3 0 1 2 3
    // Confirming hides the window: the caller still reads the line and the layout.
    f.CONFERMA_Click();
    EXPECT_TRUE(f.confermata() && !f.daScaricare() && f.rigaScelta() == riga(1));
    EXPECT_EQ((std::vector<int>(windows::SCAMBIO_I.begin() + 31, windows::SCAMBIO_I.begin() + 35)),
              (std::vector<int>{3, 3, 30, 6}));
    // Enter on an option keeps it and clears the next one.
    f.SSOption1[1]->setChecked(true);
    premi(f.SSOption1[1], Qt::Key_Return, "\r");
    EXPECT_TRUE(f.SSOption1[1]->isChecked() && !f.SSOption1[2]->isChecked());
    modulo.scarica();
    finestra().USCITA_Click();
    EXPECT_TRUE(windows::ESITO_I[25] == 1 && modulo->daScaricare());
}

TEST_F(ProvaRicerca, LayoutKindsAndAFileNotAllowed) {
    // Kind 12 ignores positions 1-12: code 13 characters from 3, name 22 from 17. VAL stops at
    // the first letter, so only company 1 holds the number 1.
    RICERCA_ARC& f = finestra("99999999999900112");
    EXPECT_EQ(cerca(f, 1, "1"), (V{"001TEATRO ROS I" + std::string(21, ' ')}));
    f.RICERCA_Click(1);
    f.impostaParametri("00000000000000104");  // kind 4: code 10 from 3
    cerca(f, 0, "x");
    EXPECT_EQ(f.lunghezzaCodice * 100 + f.inizioNome, 1013);
    // A file the search does not know: the window unloads itself, without a message.
    f.impostaParametri("0030030300060030");
    cerca(f, 0, "ROS");
    EXPECT_TRUE(f.daScaricare());
    EXPECT_EQ(ui().messaggi.size() + archive::CANALE[3], 1u);  // the not-found of "x" only
}

}  // namespace
