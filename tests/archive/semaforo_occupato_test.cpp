// A file held by another program: the semaphore waits for it silently, any other file is
// error 70. The holder is simulated by the fault-injection switch (EBUSY is what an SMB client
// gets while a Windows program holds the file locked against every other opening).

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "platform/guasti.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

using platform::Chiamata;

namespace {

class SemaforoOccupato : public supporto::ProvaBase {
  protected:
    supporto::ArchivioProva a{{{30, "CONTA.DAT", 10}}};

    void SetUp() override {
        ProvaBase::SetUp();
        a.impostaGlobali();
    }
    void TearDown() override {
        platform::disarmaGuasti();
        ProvaBase::TearDown();
    }
};

TEST_F(SemaforoOccupato, SoloIlSemaforoAttendeChiLoTiene) {
    struct Caso {
        const char* nome;
        int ennesima;  // which open fails
        int codiceErrno;
        std::function<void()> azione;
        int rapporto;  // error shown by the report; 0: returned normally
        int aperture;  // opens made
    };
    const auto semaforo = [] { archive::APRISEMA(); };
    const auto dati = [] { archive::FAIOPEN(30); };  // the catalogue is open no. 1
    const std::vector<Caso> casi = {
        {"semaforo tenuto", 1, EBUSY, semaforo, 0, 2},
        {"semaforo senza permesso", 1, EACCES, semaforo, 75, 1},
        {"file di dati tenuto", 2, EBUSY, dati, 70, 2},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        archive::azzeraSlot();
        archive::azzeraTraccia();
        ui().messaggi.clear();
        platform::armaGuasto(Chiamata::Apertura, c.ennesima, c.codiceErrno);
        const int fine = supporto::codiceFine([&] { archive::eventoProtetto(c.azione); });
        EXPECT_EQ(platform::chiamateContate(Chiamata::Apertura), c.aperture);
        platform::disarmaGuasti();
        if (c.rapporto == 0) {
            EXPECT_EQ(fine, -1);
            EXPECT_TRUE(ui().messaggi.empty());
            EXPECT_TRUE(platform::canaleAperto(archive::CANALE[archive::FILE_SEMAFORO]));
            EXPECT_EQ(std::count(archive::TRACCIA_ELENCO.begin(), archive::TRACCIA_ELENCO.end(),
                                 "APRISEMA"),
                      1);
            archive::CHIUDISEMA();
        } else {
            EXPECT_EQ(fine, platform::USCITA_ERRORE);
            ASSERT_FALSE(ui().messaggi.empty());
            EXPECT_EQ(ui().messaggi.front().testo.rfind("Errore " + std::to_string(c.rapporto) +
                                                            " ",
                                                        0),
                      0u)
                << ui().messaggi.front().testo;
        }
    }
}

}  // namespace
