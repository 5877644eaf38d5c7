#include "support/azzera.h"

#include "archive/traccia.h"

namespace supporto {

void azzeraTutto() {
    archive::azzeraTraccia();
}

}  // namespace supporto
