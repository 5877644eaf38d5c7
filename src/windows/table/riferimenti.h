#pragma once
// Help lines of the data-entry table: filling in the archive values that a line refers to,
// and the files that the help routines use for one look-up only.

#include <string>

namespace windows {

// A help line with its first reference "#" + 10 characters (archive 19 or 8, position,
// type, length) replaced by the 11-character text of the value it names. A reference that
// cannot be resolved (no company, record or file entry, unknown kind) leaves the line as
// it is, "#" included.
std::string ST_AIUTO3_S(const std::string& ST_AK);

// An amount as "###,###,##0.00" with the separators of the user's locale, e.g. 1.234,50.
std::string formatoMigliaia(double x);

// Opens a numbered file for one look-up and closes it at the end of the scope, also when an
// error leaves it. A file that was already open stays open and is left to its owner, so that
// a look-up never closes a file that the window or its rules are still reading.
class FilePerConsulta {
  public:
    explicit FilePerConsulta(double numero);
    ~FilePerConsulta();  // closes a file it opened if chiudi() was not reached
    // Closes the file now if this look-up opened it; a failure here is an error.
    void chiudi();
    FilePerConsulta(const FilePerConsulta&) = delete;
    FilePerConsulta& operator=(const FilePerConsulta&) = delete;

  private:
    double numero_;
    bool aperto_ = false;
};

}  // namespace windows
