#pragma once
// Text lines read ahead from a file, the same on every system: a line ends at CR LF, CR or LF,
// and the last line may have no end. The system's read is given by the caller.

#include <cstddef>
#include <string>

namespace platform {

class LettoreRighe {
  public:
    // `leggi(blocco, dimensione)` reads at most `dimensione` bytes into `blocco` and returns how
    // many it read, 0 at the end of the file; it raises the system's errors.
    template <typename Leggi>
    bool riga(std::string& riga, Leggi leggi) {
        riga.clear();
        if (inizio_ >= letti_.size() && !riempi(leggi)) return false;
        for (;;) {
            const size_t fine = letti_.find_first_of("\r\n", inizio_);
            if (fine == std::string::npos) {
                riga.append(letti_, inizio_, std::string::npos);
                inizio_ = letti_.size();
                if (!riempi(leggi)) return true;  // last line without a line end
                continue;
            }
            riga.append(letti_, inizio_, fine - inizio_);
            inizio_ = fine + 1;
            if (letti_[fine] == '\r') {
                if (inizio_ >= letti_.size()) riempi(leggi);
                if (inizio_ < letti_.size() && letti_[inizio_] == '\n') ++inizio_;
            }
            return true;
        }
    }

    // Nothing more to read.
    template <typename Leggi>
    bool finito(Leggi leggi) {
        return inizio_ >= letti_.size() && !riempi(leggi);
    }

  private:
    template <typename Leggi>
    bool riempi(Leggi leggi) {
        if (esaurito_) return false;
        if (inizio_ > 0) {
            letti_.erase(0, inizio_);
            inizio_ = 0;
        }
        char blocco[65536];
        const size_t n = leggi(blocco, sizeof blocco);
        if (n == 0) {
            esaurito_ = true;
            return false;
        }
        letti_.append(blocco, n);
        return true;
    }

    std::string letti_;  // read ahead
    size_t inizio_ = 0;  // first unread byte of `letti_`
    bool esaurito_ = false;
};

}  // namespace platform
