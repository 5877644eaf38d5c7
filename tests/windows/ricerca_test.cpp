// The archive search over real record files: numeric code, name prefix, "Tutti", the layout
// kinds, the messages, confirmation and leaving.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "archive/slot_file.h"
#include "dictionary/descrittori.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/demo.h"
#include "windows/common/scambio.h"
#include "windows/search/ricerca_arc.h"

namespace {

using windows::RICERCA_ARC;
using V = std::vector<std::string>;

std::string n30(const std::string& s) {
    return (s + std::string(30, ' ')).substr(0, 30);
}

class ProvaRicerca : public supporto::ProvaBase {
  protected:
    // Companies 1 to 6: 4 has code 0, 5 no name.
    void SetUp() override {
        ProvaBase::SetUp();
        tools::preparaArchivio(cartella.percorso());
        const char* nomi[] = {"TEATRO ROSSI", "GROSSI E FIGLI", "Rossini srl", "", "", "ROSSO"};
        for (int c = 1; c <= 6; ++c)
            tools::scriviDitta({c, nomi[c - 1], 0, {}});
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
        V r;
        for (int i = 0; i < f.List1->ListCount(); ++i)
            r.push_back(f.List1->List(i));
        return r;
    }
    supporto::CartellaTemporanea cartella;
    windows::Modulo<RICERCA_ARC> modulo{"RICERCA_ARC"};
};

TEST_F(ProvaRicerca, ByNameByCodeAndTheMessages) {
    RICERCA_ARC& f = finestra();
    // Name: the start of the field, upper-cased on both sides; code: numeric, "3" finds "003".
    const struct {
        int opzione;
        const char* testo;
        V attese;
        const char* messaggio;
    } casi[] = {
        {0, " ros ", {"003 " + n30("Rossini srl"), "006 " + n30("ROSSO")}, ""},
        {1, "3", {"003 " + n30("Rossini srl")}, ""},
        {1, "77", {}, "NESSUN RECORD TROVATO"},
        {1, "   ", {}, "MANCA IL TESTO DELLA RICERCA"},  // and not the not-found one as well
    };
    for (const auto& c : casi) {
        ui().messaggi.clear();
        EXPECT_EQ(cerca(f, c.opzione, c.testo), c.attese) << c.testo;
        EXPECT_EQ(f.CONFERMA->isHidden(), c.attese.empty()) << c.testo;
        ASSERT_EQ(ui().messaggi.size(), *c.messaggio ? 1u : 0u) << c.testo;
        EXPECT_EQ(*c.messaggio ? ui().messaggi[0].testo : "", c.messaggio);
        f.RICERCA_Click(1);  // new search
        EXPECT_EQ(f.List1->ListCount(), 0);
    }
    // Enter on an option keeps it and clears the next one.
    QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(f.SSOption1[1], &invio);
    EXPECT_TRUE(f.SSOption1[1]->isChecked() && !f.SSOption1[2]->isChecked());
    f.USCITA_Click();
    EXPECT_EQ(windows::ESITO_I[25], 1);
    EXPECT_TRUE(f.daScaricare() && !f.confermata());
}

TEST_F(ProvaRicerca, AllWithAnEmptyTextAndABarThatStartsAgain) {
    RICERCA_ARC& f = finestra();
    f.prbProgresso->setMaximum(4);
    // Every record whose code is not zero, a blank name included, in file order.
    EXPECT_EQ(cerca(f, 2, ""),
              (V{"001 " + n30("TEATRO ROSSI"), "002 " + n30("GROSSI E FIGLI"),
                 "003 " + n30("Rossini srl"), "005 " + n30(""), "006 " + n30("ROSSO")}));
    // Seven steps (six records and the end) on a bar of 4: 1 2 3 0 1 2 3.
    EXPECT_EQ(f.prbProgresso->value(), 3);
    f.CONFERMA_Click();
    EXPECT_TRUE(f.confermata() && !f.daScaricare());  // hidden: the caller still reads the line
    EXPECT_EQ(f.rigaScelta(), "001 " + n30("TEATRO ROSSI"));
    EXPECT_EQ((std::vector<int>(windows::SCAMBIO_I.begin() + 31, windows::SCAMBIO_I.begin() + 35)),
              (std::vector<int>{3, 3, 30, 6}));
}

TEST_F(ProvaRicerca, LayoutKindsAndAFileNotAllowed) {
    // Kind 12 ignores positions 1-12: code 13 characters from 3, name 22 from 17. VAL stops at
    // the first letter, so only company 1 holds the number 1.
    RICERCA_ARC& f = finestra(
        "999999999999"
        "001"
        "12");
    EXPECT_EQ(cerca(f, 1, "1"), (V{"001TEATRO ROS I" + std::string(21, ' ')}));
    f.RICERCA_Click(1);
    f.impostaParametri(
        "000000000000"
        "001"
        "04");  // kind 4: code 10 from 3
    cerca(f, 0, "x");
    EXPECT_EQ(f.lunghezzaCodice * 100 + f.inizioNome, 1013);
    // A file the search does not know: the window unloads itself, without a message.
    f.impostaParametri(
        "003003030006003"
        "0");
    cerca(f, 0, "ROS");
    EXPECT_TRUE(f.daScaricare());
    EXPECT_EQ(ui().messaggi.size(), 1u);  // the not-found of "x" only
    EXPECT_EQ(archive::CANALE[3], 0);
}

}  // namespace
