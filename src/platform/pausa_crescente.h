#pragma once
// The wait between two tries of an open that found the file held by another program (a
// Windows copy of the family holding the semaphore): short at first, so a brief hold costs
// little, then longer, so a long hold does not keep a processor or the file server busy.

#include <algorithm>
#include <chrono>
#include <thread>

namespace platform {

class PausaCrescente {
  public:
    void attendi() {
        std::this_thread::sleep_for(std::chrono::milliseconds(millisecondi_));
        millisecondi_ = std::min(millisecondi_ * 2, 100);
    }

  private:
    int millisecondi_ = 5;
};

}  // namespace platform
