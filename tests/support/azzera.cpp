#include "support/azzera.h"

#include "archive/catalogo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"

namespace supporto {

void azzeraTutto() {
    archive::azzeraTraccia();
    archive::azzeraSlot();  // also closes every channel a test left open
    archive::azzeraCatalogo();
}

}  // namespace supporto
