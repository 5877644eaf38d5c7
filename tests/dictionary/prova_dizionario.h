#pragma once
// Fixture of the dictionary tests: the base fixture plus empty record buffers.

#include <string>

#include "dictionary/buffers.h"
#include "support/prova_base.h"

class ProvaDizionario : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        dictionary::azzeraBuffer();
    }
    void TearDown() override {
        dictionary::azzeraBuffer();
        ProvaBase::TearDown();
    }
};
