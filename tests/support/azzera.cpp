#include "support/azzera.h"

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "isam/isam.h"
#include "windows/common/scambio.h"

namespace supporto {

void azzeraTutto() {
    archive::azzeraTraccia();
    archive::azzeraSlot();  // also closes every channel a test left open
    archive::azzeraCatalogo();
    archive::azzeraConfigurazione();
    archive::azzeraSemaforo();
    dictionary::azzeraBuffer();
    isam::azzeraIsam();
    windows::azzeraScambio();
}

}  // namespace supporto
