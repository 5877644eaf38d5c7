#include "windows/selection/lista_testi.h"

#include <QKeyEvent>
#include <algorithm>
#include <iterator>

#include "windows/common/finestra.h"
#include "windows/common/testo_qt.h"

namespace windows {

int ModelloRighe::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(righe.size());
}

QVariant ModelloRighe::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || indice.row() >= rowCount() || ruolo != Qt::DisplayRole) return {};
    return aQString(righe[static_cast<size_t>(indice.row())]);
}

ListaTesti::ListaTesti(bool ordinata, QWidget* genitore)
    : QListView(genitore), modello_(new ModelloRighe(this)), ordinata_(ordinata) {
    setFont(carattereFisso());
    setModel(modello_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex&, const QModelIndex&) {
                if (!daCodice_ && suClick) suClick();
            });
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex&) {
        if (suDoppioClick) suDoppioClick();
    });
}

void ListaTesti::AddItem(std::string riga) {
    if (inCarico_) {
        inAttesa_.push_back(std::move(riga));
        return;
    }
    auto& righe = modello_->righe;
    // Equal lines go after the ones already there, as a sorted list box places them.
    const auto dove = ordinata_ ? std::upper_bound(righe.begin(), righe.end(), riga) : righe.end();
    const int indice = static_cast<int>(dove - righe.begin());
    daCodice_ = true;
    modello_->beginInsertRows(QModelIndex(), indice, indice);
    righe.insert(dove, std::move(riga));
    modello_->endInsertRows();
    daCodice_ = false;
}

void ListaTesti::RemoveItem(int indice) {
    if (indice < 0 || indice >= ListCount()) return;
    daCodice_ = true;
    modello_->beginRemoveRows(QModelIndex(), indice, indice);
    modello_->righe.erase(modello_->righe.begin() + indice);
    modello_->endRemoveRows();
    // As a list box does, nothing stays selected after a removal.
    selectionModel()->clear();
    daCodice_ = false;
}

void ListaTesti::Clear() {
    daCodice_ = true;
    modello_->beginResetModel();
    modello_->righe.clear();
    modello_->endResetModel();
    daCodice_ = false;
}

std::string ListaTesti::List(int indice) const {
    if (indice < 0 || indice >= ListCount()) return {};
    return modello_->righe[static_cast<size_t>(indice)];
}

int ListaTesti::ListIndex() const {
    const QModelIndex corrente = currentIndex();
    return corrente.isValid() && selectionModel()->isSelected(corrente) ? corrente.row() : -1;
}

void ListaTesti::impostaListIndex(int indice) {
    daCodice_ = true;
    if (indice < 0 || indice >= ListCount()) {
        selectionModel()->clear();
    } else {
        setCurrentIndex(modello_->index(indice));
    }
    daCodice_ = false;
}

void ListaTesti::iniziaCarico() {
    inCarico_ = true;
    inAttesa_.clear();
}

void ListaTesti::fineCarico() {
    if (!inCarico_) return;
    inCarico_ = false;
    auto& righe = modello_->righe;
    daCodice_ = true;
    modello_->beginResetModel();
    righe.insert(righe.end(), std::make_move_iterator(inAttesa_.begin()),
                 std::make_move_iterator(inAttesa_.end()));
    inAttesa_.clear();
    // Equal lines are the same bytes, so an unstable sort orders them just as well.
    if (ordinata_) std::sort(righe.begin(), righe.end());
    modello_->endResetModel();
    daCodice_ = false;
}

void ListaTesti::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        if (suTasto) suTasto(13);
        evento->accept();
        return;
    }
    QListView::keyPressEvent(evento);
}

void ListaTesti::focusInEvent(QFocusEvent* evento) {
    QListView::focusInEvent(evento);
    if (suFuoco) suFuoco();
}

}  // namespace windows
