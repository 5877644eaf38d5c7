#pragma once
// Puts every module's global state back as at program start.

namespace supporto {

void azzeraTutto();

}  // namespace supporto
