#pragma once
// A list box over Windows-1252 lines, as the windows use it: sorted (by the bytes of the whole
// line) or kept in insertion order, with the selected line as a 0-based index (-1: none).

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

namespace windows {

class ListaTesti : public QListWidget {
  public:
    explicit ListaTesti(bool ordinata, QWidget* genitore = nullptr);

    // Adds a line: in order of its bytes on a sorted list, at the end otherwise.
    void AddItem(const std::string& riga);
    void RemoveItem(int indice);
    void Clear();
    int ListCount() const { return static_cast<int>(righe_.size()); }
    // The line at `indice`; the empty text outside the list.
    std::string List(int indice) const;
    int ListIndex() const;
    // Selects a line (-1: none) without raising the Click of the window.
    void impostaListIndex(int indice);
    bool ordinata() const { return ordinata_; }

    // Bulk loading: lines added in between are collected and the list is sorted and shown
    // once at the end, so a large load does not re-sort on every line.
    void iniziaCarico();
    void fineCarico();

    // What the window does on the list's events.
    std::function<void()> suClick, suDoppioClick, suFuoco;
    std::function<void(int)> suTasto;  // character code (13 = Enter)

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;

  private:
    void riempiWidget();

    std::vector<std::string> righe_;
    bool ordinata_;
    bool inCarico_ = false;
    bool daCodice_ = false;
};

}  // namespace windows
