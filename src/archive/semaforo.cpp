#include "archive/semaforo.h"

#include "archive/configurazione.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "platform/percorsi.h"
#include "runtime/testo.h"

namespace archive {

void APRISEMA() {
    TRACCIA("APRISEMA");
    ASSEGNACANALE(FILE_SEMAFORO);
    try {
        // Another program holding the semaphore makes this wait in the kernel, not spin; any
        // real failure (permissions, missing directory) is reported instead of retried forever.
        platform::apriBinarioEsclusivo(CANALE[FILE_SEMAFORO], PERCORSOARCHIVI + "\\QZSEMA.DAT");
    } catch (...) {
        CANALE[FILE_SEMAFORO] = 0;
        throw;
    }
}

void CHIUDISEMA() {
    CHIUDIFILE(FILE_SEMAFORO);
}

std::string fileTask() {
    if (runtime::UCASE(runtime::LEFT(NOMEPROGRAMMA, 2)) == "VX") return "C:\\VXSTASK\\VXSTASK.INI";
    return "C:\\PTORVALE\\QZCOMUNE.QZP";
}

void TERMINA() {
    const std::string task = fileTask();
    if (platform::esisteFile(task)) {
        const std::string riga = runtime::LEFT(CODICETASK + runtime::SPACE(100), 100);
        // Replaced in one step: the program that starts the task never sees a half file.
        platform::sostituisciFile(task, riga + "\r\n");
    }
    CHIUDIFILE(0);
    platform::terminaProgramma(platform::USCITA_NORMALE);
}

void azzeraSemaforo() {
    CODICETASK.clear();
}

}  // namespace archive
