#include "support/azzera.h"

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"

namespace supporto {

void azzeraTutto() {
    archive::azzeraTraccia();
    archive::azzeraSlot();  // also closes every channel a test left open
    archive::azzeraCatalogo();
    archive::azzeraConfigurazione();
    archive::azzeraSemaforo();
    // dictionary, isam and the windows keep their own state: their suites link those modules,
    // this library links only the archive.
}

}  // namespace supporto
