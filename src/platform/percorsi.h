#pragma once
// Program paths on Linux. The program speaks Windows paths ("C:\PTORVALE\QZPERARK.QZP");
// a drive letter names a folder under the drive root, so C:\A\B is <root>/C/A/B. A path that
// already starts with "/" is a Linux path. The program's names are Windows-1252 text, the
// file system's UTF-8: each component is looked up as its UTF-8 spelling, then as its own
// bytes (names written by programs that know only the code page), then without regard to
// case, accented letters included, since archives copied from Windows keep mixed-case names.

#include <string>

namespace platform {

// The drive root: $PONTEVAL_UNITA, else $XDG_DATA_HOME/ponteval/unita, else
// ~/.local/share/ponteval/unita.
std::string radiceUnita();

// The Linux path of a program path (Windows or Linux form). Components that do not exist
// take the program's spelling in UTF-8, so new files and folders are created with that name.
std::string percorsoLocale(const std::string& percorso);

// Directory listing tests. esisteFile: an ordinary file (its length into *lunghezza when
// given). esisteCartella: a directory.
bool esisteFile(const std::string& percorso, long long* lunghezza = nullptr);
bool esisteCartella(const std::string& percorso);

// Raises the run-time error of a failed open or create of the Linux path `locale`: a missing
// file in a missing folder is "path not found", not "file not found".
[[noreturn]] void erroreDiApertura(int codiceErrno, const std::string& locale);

// Deletes a file; a failure is the run-time error of errno.
void eliminaFile(const std::string& percorso);

// Replaces the whole content of a file atomically: a temporary file in the same folder is
// written and flushed, renamed over the old one, and the folder flushed. Readers see either
// the old content or the new, never a part.
void sostituisciFile(const std::string& percorso, const std::string& contenuto);

}  // namespace platform
