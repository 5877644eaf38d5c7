// The archive search over real record files: numeric code, name prefix, "Tutti", the layout
// kinds, the messages, confirmation and leaving.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <vector>

#include "archive/slot_file.h"
#include "dictionary/descrittori.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/demo.h"
#include "windows/common/scambio.h"
#include "windows/common/testo_qt.h"
#include "windows/search/ricerca_arc.h"

namespace {

using windows::RICERCA_ARC;

// Company file: code 3 characters from 3, name 30 from 6.
const std::string DITTE = "003003030006001";

class ProvaRicerca : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        tools::preparaArchivio(cartella.percorso());
        ditta(1, "TEATRO ROSSI");
        ditta(2, "GROSSI E FIGLI");
        ditta(3, "Rossini srl");
        tools::scriviRecord(
            1, 4, tools::recordConCampi(1, {{dictionary::T001, "0"}, {dictionary::T002, "ZERO"}}));
        ditta(5, "");
        ditta(6, "ROSSO");
        archive::CHIUDIFILE(0);
    }
    static void ditta(int codice, const std::string& nome) {
        tools::Ditta d;
        d.codice = codice, d.nome = nome;
        tools::scriviDitta(d);
    }
    RICERCA_ARC& finestra(const std::string& parametri) {
        RICERCA_ARC& f = modulo.carica();
        f.impostaParametri(parametri);
        return f;
    }
    static std::vector<std::string> righe(const RICERCA_ARC& f) {
        std::vector<std::string> r;
        for (int i = 0; i < f.List1->ListCount(); ++i)
            r.push_back(f.List1->List(i));
        return r;
    }
    static std::string n30(const std::string& s) {
        return (s + std::string(30, ' ')).substr(0, 30);
    }

    supporto::CartellaTemporanea cartella;
    windows::Modulo<RICERCA_ARC> modulo{"RICERCA_ARC"};
};

TEST_F(ProvaRicerca, PerNomePerCodiceEMessaggi) {
    RICERCA_ARC& f = finestra(DITTE + "0");
    // Name: the start of the field, upper-cased on both sides; code: numeric, "3" finds "003".
    const struct {
        int opzione;
        const char* testo;
        std::vector<std::string> attese;
        const char* messaggio;
    } casi[] = {
        {0, " ros ", {"003 " + n30("Rossini srl"), "006 " + n30("ROSSO")}, nullptr},
        {1, "3", {"003 " + n30("Rossini srl")}, nullptr},
        {1, "77", {}, "NESSUN RECORD TROVATO"},
        {1, "   ", {}, "MANCA IL TESTO DELLA RICERCA"},  // and not the not-found one as well
    };
    for (const auto& c : casi) {
        ui().messaggi.clear();
        f.SSOption1[c.opzione]->setChecked(true);
        f.NOME->setText(c.testo);
        f.RICERCA_Click(0);
        EXPECT_EQ(righe(f), c.attese) << c.testo;
        EXPECT_EQ(f.CONFERMA->isHidden(), c.attese.empty()) << c.testo;
        ASSERT_EQ(ui().messaggi.size(), c.messaggio ? 1u : 0u) << c.testo;
        if (c.messaggio) {
            EXPECT_EQ(ui().messaggi[0].testo, c.messaggio);
        }
        f.RICERCA_Click(1);  // new search
        EXPECT_EQ(f.List1->ListCount(), 0);
        EXPECT_FALSE(f.RICERCA[0]->isHidden());
    }

    // Enter on an option keeps it; leaving confirms nothing.
    f.SSOption1_KeyPress(1, 13);
    EXPECT_TRUE(f.SSOption1[1]->isChecked());
    EXPECT_FALSE(f.SSOption1[2]->isChecked());
    f.USCITA_Click();
    EXPECT_EQ(windows::ESITO_I[25], 1);
    EXPECT_TRUE(f.daScaricare());
    EXPECT_FALSE(f.confermata());
}

TEST_F(ProvaRicerca, TuttiConTestoVuotoEBarraCheRicomincia) {
    RICERCA_ARC& f = finestra(DITTE + "0");
    f.SSOption1[2]->setChecked(true);
    f.prbProgresso->setMaximum(4);
    f.RICERCA_Click(0);
    // Every record whose code is not zero, a blank name included, in file order.
    EXPECT_EQ(righe(f), (std::vector<std::string>{
                            "001 " + n30("TEATRO ROSSI"), "002 " + n30("GROSSI E FIGLI"),
                            "003 " + n30("Rossini srl"), "005 " + n30(""), "006 " + n30("ROSSO")}));
    // Seven steps (six records and the end) on a bar of 4: 1 2 3 0 1 2 3.
    EXPECT_EQ(f.prbProgresso->value(), 3);
    EXPECT_TRUE(ui().messaggi.empty());

    f.CONFERMA_Click();
    EXPECT_TRUE(f.confermata());
    EXPECT_FALSE(f.daScaricare());  // hidden: the caller still reads the line
    EXPECT_EQ(f.rigaScelta(), "001 " + n30("TEATRO ROSSI"));
    EXPECT_EQ(windows::SCAMBIO_I[31], 3);
    EXPECT_EQ(windows::SCAMBIO_I[32], 3);
    EXPECT_EQ(windows::SCAMBIO_I[33], 30);
    EXPECT_EQ(windows::SCAMBIO_I[34], 6);
}

TEST_F(ProvaRicerca, TipiDiTracciatoEFileNonAmmesso) {
    // Kind 12 ignores positions 1-12: code 13 characters from 3, name 22 from 17.
    RICERCA_ARC& f = finestra("999999999999" + std::string("001") + "12");
    f.SSOption1[1]->setChecked(true);
    f.NOME->setText("1");
    f.RICERCA_Click(0);
    // Code 3..15 is the company code and the first ten letters of its name; VAL stops at the
    // first letter, so only company 1 holds the number 1.
    ASSERT_EQ(f.List1->ListCount(), 1);
    EXPECT_EQ(f.List1->List(0), "001TEATRO ROS " + (std::string("I") + std::string(21, ' ')));

    f.RICERCA_Click(1);
    f.impostaParametri("000000000000" + std::string("001") + "04");  // kind 4: code 10 from 3
    f.SSOption1[0]->setChecked(true);
    f.NOME->setText("x");
    f.RICERCA_Click(0);
    EXPECT_EQ(f.lunghezzaCodice, 10);
    EXPECT_EQ(f.inizioNome, 13);
    // A file the search does not know: the window unloads itself, without a message.
    ui().messaggi.clear();
    f.impostaParametri("003003030006003" + std::string("0"));
    f.NOME->setText("ROS");
    f.RICERCA_Click(0);
    EXPECT_TRUE(f.daScaricare());
    EXPECT_TRUE(ui().messaggi.empty());
    EXPECT_EQ(archive::CANALE[3], 0);
}

}  // namespace
