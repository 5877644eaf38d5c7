#pragma once
// An index rewritten as a whole without ever being left half-written. The new index is built
// complete in an image file beside it ("<index>.NUOVO") and flushed; a marker file beside it
// ("<index>.SCRITTURA") then names the image, and only then are the image's bytes written over
// the index file in place. The index stays the same file: the family's programs keep it open
// for their whole run, and after a rename they would go on with the old, unlinked one. A write
// that a kill interrupts is finished by whoever next finds the marker, so the index is always
// the old one or the new one.

#include <functional>
#include <string>

namespace isam {

// The image of the index `numeroFile`, which is open in its slot. The caller holds the archive
// semaphore from before the image is made until after it is written.
class ImmagineIndice {
  public:
    // An image holding a copy of the index (`copia`), or an empty index (its root only).
    ImmagineIndice(double numeroFile, bool copia);
    // An image that was never written is deleted.
    ~ImmagineIndice();
    ImmagineIndice(const ImmagineIndice&) = delete;
    ImmagineIndice& operator=(const ImmagineIndice&) = delete;

    // Runs `azione` with the index's slot on the image: ISAM calls on the file number work there.
    void sullImmagine(const std::function<void()>& azione);
    // Empties the image to the root only, as initialising does to an index.
    void azzera();
    // Flushes the image, names it in the marker and writes it over the index file.
    void scrivi();

  private:
    // Closes the image and deletes it unless the marker names it; raises nothing.
    void abbandona() noexcept;

    int slot_;
    std::string indice_, immagine_;
    int canale_ = 0;
    bool segnata_ = false;  // the marker names the image: it must outlive a failure
};

// Whether the index `numeroFile` has a marker, i.e. a write to finish. Needs no semaphore; the
// procedure trace and the one-shot path values are left as they were.
bool scritturaInterrotta(double numeroFile);
// Finishes the write that the marker of the index names and removes marker and image; a
// left-over image without a marker (a kill before its write began) is only deleted. True when a
// write was finished. The caller holds the archive semaphore.
bool completaScrittura(double numeroFile);

}  // namespace isam
