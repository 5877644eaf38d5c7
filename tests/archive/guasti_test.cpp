// Disk failures injected into the file layer: every failing call of a record update and of
// the end of the run ends in the error report with the error of its errno, leaves the stored
// bytes whole, releases the semaphore and leaks no file descriptor.

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/fine_programma.h"
#include "platform/guasti.h"
#include "platform/percorsi.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

using platform::Chiamata;

namespace {

constexpr int LUNGHEZZA = 40;
const std::string VECCHIO(LUNGHEZZA, 'V');
const std::string NUOVO(LUNGHEZZA, 'N');

struct Codice {
    int codiceErrno;
    int numero;  // run-time error the user must see
};
const std::vector<Codice> CODICI = {{EIO, 57}, {ENOSPC, 61}, {EACCES, 75}, {ENOENT, 53}};

const std::vector<std::pair<Chiamata, const char*>> CHIAMATE = {
    {Chiamata::Apertura, "open"},   {Chiamata::Lettura, "read"},    {Chiamata::Scrittura, "write"},
    {Chiamata::Sincronia, "fsync"}, {Chiamata::Rinomina, "rename"}, {Chiamata::Blocco, "lock"},
};

int descrittoriAperti() {
    int n = 0;
    DIR* d = opendir("/proc/self/fd");
    while (const dirent* e = readdir(d))
        if (e->d_name[0] != '.') ++n;
    closedir(d);
    return n - 1;  // the listing's own
}

class Guasti : public supporto::ProvaBase {
  protected:
    supporto::ArchivioProva a{{{2, "DIP.DAT", LUNGHEZZA}}};

    void SetUp() override {
        ProvaBase::SetUp();
        a.impostaGlobali();
    }
    void TearDown() override {
        platform::disarmaGuasti();
        ProvaBase::TearDown();
    }

    // Three worker records; the middle one is the one updated.
    void archivioIniziale() const {
        a.scrivi("DIP.DAT", std::string(LUNGHEZZA, 'A') + VECCHIO + std::string(LUNGHEZZA, 'C'));
    }

    // Runs `azione` at the event boundary, as the program does: the exit code of the end of the
    // program, or -1 when it returned.
    static int comeEvento(const std::function<void()>& azione) {
        return supporto::codiceFine([&] { archive::eventoProtetto(azione); });
    }

    // True when no other process holds the archive semaphore now.
    bool semaforoLibero() const {
        const int fd = open(a.locale("C:\\ARCHIVI\\QZSEMA.DAT").c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) return true;  // never created: nobody holds it
        struct flock blocco {};
        blocco.l_type = F_WRLCK;
        blocco.l_whence = SEEK_SET;
        const bool libero = fcntl(fd, F_OFD_SETLK, &blocco) == 0;
        close(fd);
        return libero;
    }

    // How many calls of each kind `azione` makes when nothing fails.
    std::vector<int> conteggio(const std::function<void()>& prepara,
                               const std::function<void()>& azione) {
        prepara();
        for (const auto& [c, nome] : CHIAMATE)
            platform::armaGuasto(c, 0, 0);
        comeEvento(azione);
        std::vector<int> quante;
        for (const auto& [c, nome] : CHIAMATE)
            quante.push_back(platform::chiamateContate(c));
        platform::disarmaGuasti();
        return quante;
    }

    // For every call of every kind that `azione` makes and every errno: arm that one failure,
    // run, and hand the outcome to `controlla`. Returns how many failures were tried.
    int ogniGuasto(const std::function<void()>& prepara, const std::function<void()>& azione,
                   const std::function<void(Chiamata, int, const Codice&, int)>& controlla) {
        const std::vector<int> quante = conteggio(prepara, azione);
        int provati = 0;
        for (size_t k = 0; k < CHIAMATE.size(); ++k) {
            for (int n = 1; n <= quante[k]; ++n) {
                for (const Codice& codice : CODICI) {
                    SCOPED_TRACE(std::string(CHIAMATE[k].second) + " n. " + std::to_string(n) +
                                 " errno " + std::to_string(codice.codiceErrno));
                    prepara();
                    ui().messaggi.clear();
                    const int prima = descrittoriAperti();
                    platform::armaGuasto(CHIAMATE[k].first, n, codice.codiceErrno);
                    const int fine = comeEvento(azione);
                    platform::disarmaGuasti();
                    EXPECT_EQ(descrittoriAperti(), prima);
                    EXPECT_TRUE(semaforoLibero());
                    controlla(CHIAMATE[k].first, n, codice, fine);
                    ++provati;
                }
            }
        }
        return provati;
    }

    // The program ended through the error report showing `numero`.
    void attesoRapporto(int fine, int numero) {
        EXPECT_EQ(fine, platform::USCITA_ERRORE);
        ASSERT_FALSE(ui().messaggi.empty());
        EXPECT_EQ(ui().messaggi.front().testo.rfind("Errore " + std::to_string(numero) + " ", 0),
                  0u)
            << ui().messaggi.front().testo;
    }
};

TEST_F(Guasti, AggiornamentoDiUnRecordSottoSemaforo) {
    auto aggiorna = [] {
        archive::APRISEMA();
        archive::FAIOPEN(2);
        ASSERT_EQ(archive::LEGGIREC(2, 2), 0);
        ASSERT_EQ(archive::AREAREC[2], VECCHIO);
        archive::SCRIVIREC(2, 2, NUOVO);
        archive::CHIUDIFILE(2);
        archive::CHIUDISEMA();
    };
    const int provati =
        ogniGuasto([&] { archivioIniziale(); }, aggiorna,
                   [&](Chiamata c, int, const Codice& codice, int fine) {
                       attesoRapporto(fine, codice.numero);
                       // The write is one call: until it succeeds the old record is whole.
                       const std::string atteso = c == Chiamata::Sincronia ? NUOVO : VECCHIO;
                       EXPECT_EQ(a.leggi("DIP.DAT"), std::string(LUNGHEZZA, 'A') + atteso +
                                                         std::string(LUNGHEZZA, 'C'));
                   });
    EXPECT_EQ(provati, 8 * static_cast<int>(CODICI.size()));
}

TEST_F(Guasti, FineDelGiroNonLasciaIlFileDiTaskAMeta) {
    const std::string vecchio = "AB" + std::string(98, ' ') + "\r\n";
    const std::string nuovo = "CD" + std::string(98, ' ') + "\r\n";
    const std::string task = "C:\\VXSTASK\\VXSTASK.INI";
    auto prepara = [&] {
        a.scriviTask("AB");
        a.scrivi(task, vecchio);
        archivioIniziale();
        archive::CODICETASK = "CD";
    };
    // A file written during the run is still open at the end: its flush is part of it.
    auto termina = [] {
        archive::FAIOPEN(2);
        archive::SCRIVIREC(2, 1, std::string(LUNGHEZZA, 'A'));
        archive::TERMINA();
    };
    const std::string cartella = std::filesystem::path(a.locale(task)).parent_path();
    // Opens, writes, the three flushes (temporary, folder, file 2) and the rename at least.
    const int provati = ogniGuasto(prepara, termina, [&](Chiamata, int, const Codice& codice, int fine) {
        attesoRapporto(fine, codice.numero);
        const std::string ora = a.leggi(task);
        EXPECT_TRUE(ora == vecchio || ora == nuovo) << ora;
        // Nothing but the task file is left in its folder.
        int file = 0;
        for (const auto& voce : std::filesystem::directory_iterator(cartella)) {
            ++file;
            EXPECT_EQ(voce.path().filename(), "VXSTASK.INI");
        }
        EXPECT_EQ(file, 1);
    });
    EXPECT_GE(provati, 6 * static_cast<int>(CODICI.size()));

    prepara();
    EXPECT_EQ(comeEvento(termina), platform::USCITA_NORMALE);
    EXPECT_EQ(a.leggi(task), nuovo);
}

TEST_F(Guasti, ScatteSoloLaChiamataArmataEUnaVolta) {
    archivioIniziale();
    archive::FAIOPEN(2);
    platform::armaGuasto(Chiamata::Lettura, 2, EIO);
    EXPECT_EQ(archive::LEGGIREC(2, 1), 0);
    try {
        archive::LEGGIREC(2, 2);
        ADD_FAILURE() << "the second read did not fail";
    } catch (const runtime::ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), 57);
    }
    // The record area keeps what it had after a failed read.
    EXPECT_EQ(archive::AREAREC[2], std::string(LUNGHEZZA, 'A'));
    EXPECT_EQ(archive::LEGGIREC(2, 2), 0);
    EXPECT_EQ(archive::AREAREC[2], VECCHIO);
    EXPECT_EQ(platform::chiamateContate(Chiamata::Lettura), 3);
    EXPECT_EQ(platform::chiamateContate(Chiamata::Scrittura), 0);
}

}  // namespace
