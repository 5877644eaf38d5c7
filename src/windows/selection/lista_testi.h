#pragma once
// A list box over Windows-1252 lines, as the windows use it: sorted (by the bytes of the whole
// line) or kept in insertion order, with the selected line as a 0-based index (-1: none).
// The lines live here, once; the view asks for the few it shows, so a list of many thousand
// lines costs no widget item per line.

#include <QAbstractListModel>
#include <QListView>
#include <functional>
#include <string>
#include <vector>

namespace windows {

class ModelloRighe : public QAbstractListModel {
  public:
    explicit ModelloRighe(QObject* genitore = nullptr) : QAbstractListModel(genitore) {}
    int rowCount(const QModelIndex& genitore = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;

    std::vector<std::string> righe;
    // Change notifications for the list box.
    using QAbstractListModel::beginInsertRows;
    using QAbstractListModel::beginRemoveRows;
    using QAbstractListModel::beginResetModel;
    using QAbstractListModel::endInsertRows;
    using QAbstractListModel::endRemoveRows;
    using QAbstractListModel::endResetModel;
};

class ListaTesti : public QListView {
  public:
    explicit ListaTesti(bool ordinata, QWidget* genitore = nullptr);

    // Adds a line: in order of its bytes on a sorted list, at the end otherwise.
    void AddItem(std::string riga);
    void RemoveItem(int indice);
    void Clear();
    int ListCount() const { return static_cast<int>(modello_->righe.size()); }
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
    ModelloRighe* modello_;
    std::vector<std::string> inAttesa_;
    bool ordinata_;
    bool inCarico_ = false;
    bool daCodice_ = false;
};

}  // namespace windows
