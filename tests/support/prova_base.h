#pragma once
// The base fixture of the suites: clean global state, scripted UI services, and the end of
// the program turned into a FineProgramma exception.

#include <gtest/gtest.h>

#include <functional>

#include "support/servizi_scriptati.h"

namespace supporto {

// Puts every module's global state back as at program start.
void azzeraTutto();

// The exit code `azione` (directly, or at the event boundary) ended the program with; -1 if none.
int codiceFine(const std::function<void()>& azione);
int codiceEvento(const std::function<void()>& azione);

// Runs `azione` and returns the number of the run-time error it raised, or 0 when it returned.
int erroreDi(const std::function<void()>& azione);

class ProvaBase : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    ServiziScriptati& ui() { return *ui_; }

  private:
    ServiziScriptati* ui_ = nullptr;
};

}  // namespace supporto
