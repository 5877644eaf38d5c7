#include "windows/selection/lista_testi.h"

#include <QKeyEvent>
#include <QStringList>
#include <algorithm>

#include "windows/common/finestra.h"
#include "windows/common/testo_qt.h"

namespace windows {

ListaTesti::ListaTesti(bool ordinata, QWidget* genitore)
    : QListWidget(genitore), ordinata_(ordinata) {
    setFont(carattereFisso());
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int) {
        if (!daCodice_ && !inCarico_ && suClick) suClick();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) {
        if (suDoppioClick) suDoppioClick();
    });
}

void ListaTesti::AddItem(const std::string& riga) {
    if (inCarico_ || !ordinata_) {
        righe_.push_back(riga);
        if (!inCarico_) addItem(aQString(riga));
        return;
    }
    // Equal lines go after the ones already there, as a sorted list box places them.
    const auto dove = std::upper_bound(righe_.begin(), righe_.end(), riga);
    const int indice = static_cast<int>(dove - righe_.begin());
    righe_.insert(dove, riga);
    daCodice_ = true;
    insertItem(indice, aQString(riga));
    daCodice_ = false;
}

void ListaTesti::RemoveItem(int indice) {
    if (indice < 0 || indice >= ListCount()) return;
    righe_.erase(righe_.begin() + indice);
    daCodice_ = true;
    delete takeItem(indice);
    daCodice_ = false;
}

void ListaTesti::Clear() {
    righe_.clear();
    daCodice_ = true;
    clear();
    daCodice_ = false;
}

std::string ListaTesti::List(int indice) const {
    if (indice < 0 || indice >= ListCount()) return {};
    return righe_[static_cast<size_t>(indice)];
}

int ListaTesti::ListIndex() const {
    return currentRow();
}

void ListaTesti::impostaListIndex(int indice) {
    daCodice_ = true;
    if (indice < 0 || indice >= count()) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(indice);
    }
    daCodice_ = false;
}

void ListaTesti::iniziaCarico() {
    inCarico_ = true;
}

void ListaTesti::fineCarico() {
    if (!inCarico_) return;
    if (ordinata_) std::stable_sort(righe_.begin(), righe_.end());
    riempiWidget();
    inCarico_ = false;
}

void ListaTesti::riempiWidget() {
    QStringList testi;
    testi.reserve(static_cast<qsizetype>(righe_.size()));
    for (const std::string& riga : righe_)
        testi.append(aQString(riga));
    daCodice_ = true;
    setUpdatesEnabled(false);
    clear();
    addItems(testi);
    setUpdatesEnabled(true);
    daCodice_ = false;
}

void ListaTesti::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        if (suTasto) suTasto(13);
        evento->accept();
        return;
    }
    QListWidget::keyPressEvent(evento);
}

void ListaTesti::focusInEvent(QFocusEvent* evento) {
    QListWidget::focusInEvent(evento);
    if (suFuoco) suFuoco();
}

}  // namespace windows
