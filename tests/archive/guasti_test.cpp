// Disk failures injected into every call of a record update and of the end of the run: the report
// with the errno's error, the stored bytes whole, the semaphore released, no descriptor leaked.

#include <fcntl.h>
#include <unistd.h>

#include "archive/configurazione.h"
#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "platform/guasti.h"
#include "support/archivio_prova.h"

using platform::Chiamata;

namespace {

const std::string VECCHIO(40, 'V'), NUOVO(40, 'N'), A(40, 'A'), C(40, 'C');
const std::pair<int, int> CODICI[] = {{EIO, 57}, {ENOSPC, 61}, {EACCES, 75}, {ENOENT, 53}};
const Chiamata CHIAMATE[] = {Chiamata::Apertura,  Chiamata::Lettura,  Chiamata::Scrittura,
                             Chiamata::Sincronia, Chiamata::Rinomina, Chiamata::Blocco};
const char* TASK = "C:\\VXSTASK\\VXSTASK.INI";

long descrittoriAperti() {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
}

class Guasti : public supporto::ProvaArchivio {
  protected:
    Guasti() : ProvaArchivio({{2, "DIP.DAT", 40}}) {}
    void TearDown() override { platform::disarmaGuasti(), ProvaBase::TearDown(); }

    // True when no other process holds the archive semaphore now.
    bool semaforoLibero() const {
        const int fd = open(a.locale("QZSEMA.DAT").c_str(), O_RDWR | O_CLOEXEC);
        struct flock blocco {};
        blocco.l_type = F_WRLCK;
        const bool libero = fd < 0 || fcntl(fd, F_OFD_SETLK, &blocco) == 0;
        if (fd >= 0) close(fd);
        return libero;
    }

    // Every call of `azione` (at least `almeno`, counted on a clean run) fails once with every
    // errno behind the event boundary; then `controlla`.
    void ogniGuasto(const std::function<void()>& prepara, const std::function<void()>& azione,
                    const std::function<void(Chiamata)>& controlla, int almeno) {
        int provati = 0;
        for (Chiamata k : CHIAMATE) {
            prepara();
            platform::armaGuasto(k, 0, 0);
            supporto::codiceEvento(azione);
            for (int n = platform::chiamateContate(k); n > 0; --n)
                for (const auto& [codiceErrno, numero] : CODICI) {
                    SCOPED_TRACE(std::to_string(static_cast<int>(k)) + " n. " + std::to_string(n) + " errno " + std::to_string(codiceErrno));
                    prepara(), ui().messaggi.clear();
                    const long prima = descrittoriAperti();
                    platform::armaGuasto(k, n, codiceErrno);
                    EXPECT_EQ(supporto::codiceEvento(azione), platform::USCITA_ERRORE);
                    platform::disarmaGuasti();
                    EXPECT_EQ(descrittoriAperti(), prima);
                    EXPECT_TRUE(semaforoLibero());
                    EXPECT_EQ(ui().primoTesto().rfind("Errore " + std::to_string(numero) + " ", 0), 0u);
                    controlla(k);
                    ++provati;
                }
        }
        EXPECT_GE(provati, almeno * 4);
    }
};

TEST_F(Guasti, AggiornamentoDiUnRecordSottoSemaforo) {
    auto aggiorna = [] {
        archive::APRISEMA(), archive::FAIOPEN(2);
        ASSERT_EQ(archive::LEGGIREC(2, 2), 0);
        archive::SCRIVIREC(2, 2, NUOVO), archive::CHIUDIFILE(2), archive::CHIUDISEMA();
    };
    // The write is one call: until it succeeds the old record is whole.
    ogniGuasto([&] { a.scrivi("DIP.DAT", A + VECCHIO + C); }, aggiorna,
               [&](Chiamata c) { EXPECT_EQ(a.leggi("DIP.DAT"), A + (c == Chiamata::Sincronia ? NUOVO : VECCHIO) + C); }, 8);
    // A failed read leaves the record area as it was.
    archive::FAIOPEN(2);
    platform::armaGuasto(Chiamata::Lettura, 2, EIO);
    EXPECT_EQ(archive::LEGGIREC(2, 1), 0);
    EXPECT_EQ(supporto::erroreDi([] { archive::LEGGIREC(2, 2); }), 57);
    EXPECT_EQ(archive::AREAREC[2], A);
}

TEST_F(Guasti, FineDelGiroRiscriveIlFileDiTaskPerIntero) {
    const std::string vecchio = "AB" + std::string(98, ' ') + "\r\n";
    auto prepara = [&] { a.scrivi(TASK, vecchio), a.scrivi("DIP.DAT", A), archive::CODICETASK = "CD"; };
    // A file written during the run is still open at the end: its flush is part of it.
    auto termina = [] {  // the semaphore was never opened: nothing to close
        archive::FAIOPEN(2), archive::SCRIVIREC(2, 1, std::string(40, 'A')), archive::CHIUDISEMA(), archive::TERMINA();
    };
    const std::string cartella = std::filesystem::path(a.locale(TASK)).parent_path();
    // Opens, writes, the three flushes (temporary, folder, file 2) and the rename at least.
    ogniGuasto(prepara, termina, [&](Chiamata) {
            const std::string ora = a.leggi(TASK);
            EXPECT_TRUE(ora == vecchio || ora == "CD" + vecchio.substr(2)) << ora;
            // Nothing but the task file is left in its folder.
            auto it = std::filesystem::directory_iterator(cartella);
            EXPECT_EQ(it->path().filename(), "VXSTASK.INI");
            EXPECT_EQ(++it, std::filesystem::directory_iterator());
        }, 6);

    // Without failures: the code padded to 100, every file closed; no task file, none written.
    for (const char* codice : {"CD", ""}) {
        prepara();
        archive::CODICETASK = codice;
        EXPECT_EQ(supporto::codiceFine(termina), platform::USCITA_NORMALE);
        EXPECT_EQ(a.leggi(TASK), (codice + std::string(100, ' ')).substr(0, 100) + "\r\n");
        EXPECT_EQ(archive::CANALE[2], 0);
    }
    std::filesystem::remove(a.locale(TASK));
    EXPECT_EQ(supporto::codiceFine(termina), platform::USCITA_NORMALE);
    EXPECT_FALSE(a.esiste(TASK));
}

// EBUSY (an SMB client's answer while a Windows program holds the file unshared): the semaphore
// waits silently, any other file is error 70; a semaphore without permission is error 75.
TEST_F(Guasti, SoloIlSemaforoAttendeChiLoTiene) {
    const auto semaforo = [] { archive::APRISEMA(); };
    const auto dati = [] { archive::FAIOPEN(2); };  // the catalogue is open no. 1
    const struct {
        int ennesima, codiceErrno; std::function<void()> azione; int fine, aperture; std::string primo;
    } casi[] = {{1, EACCES, semaforo, platform::USCITA_ERRORE, 1, "Errore 75 "},
                {2, EBUSY, dati, platform::USCITA_ERRORE, 2, "Errore 70 "},
                {1, EBUSY, semaforo, -1, 2, ""}};
    for (const auto& c : casi) {
        archive::azzeraSlot(), archive::azzeraTraccia(), ui().messaggi.clear();
        platform::armaGuasto(Chiamata::Apertura, c.ennesima, c.codiceErrno);
        EXPECT_EQ(supporto::codiceEvento(c.azione), c.fine);
        EXPECT_EQ(platform::chiamateContate(Chiamata::Apertura), c.aperture);
        platform::disarmaGuasti();
        EXPECT_EQ(ui().primoTesto().substr(0, 10), c.primo);
    }
    // The wait left the semaphore held and recorded once.
    EXPECT_TRUE(platform::canaleAperto(archive::CANALE[archive::FILE_SEMAFORO]));
    EXPECT_EQ(std::count(archive::TRACCIA_ELENCO.begin(), archive::TRACCIA_ELENCO.end(), "APRISEMA"), 1);
}

}  // namespace
