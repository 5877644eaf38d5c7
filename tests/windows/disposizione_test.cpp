// Every window as the operator sees it: each visible control lies inside the window's client
// area and each caption fits the room its style leaves it, in the control's own font.

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>

#include "archive/slot_file.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/demo.h"
#include "windows/choice/scelta.h"
#include "windows/pages/fines.h"
#include "windows/selection/codvec.h"
#include "windows/table/menu2.h"

namespace {

using namespace windows;

// A caption as drawn: "&&" is an ampersand, a single "&" marks the access key.
int larghezza(const QWidget* w, QString t) {
    t.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return QFontMetrics(w->font()).horizontalAdvance(t);
}

std::vector<std::string> difetti(QWidget& finestra) {
    std::vector<std::string> d;
    for (QWidget* w : finestra.findChildren<QWidget*>()) {
        // The parts of a composite control are the control's business.
        if (!w->isVisibleTo(&finestra) ||
            (w->parentWidget() != &finestra && !qobject_cast<QGroupBox*>(w->parentWidget())))
            continue;
        QString testo;
        int spazio = 0;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            QStyleOptionButton o;
            o.initFrom(b);
            o.text = testo = b->text();
            const auto parte = qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                              : QStyle::SE_PushButtonContents;
            spazio = w->style()->subElementRect(parte, &o, w).width();
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            testo = l->text();
            spazio = l->contentsRect().width();
        } else if (auto* t = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i)
                if (t->tabRect(i).right() >= t->width() ||
                    larghezza(t, t->tabText(i)) > t->tabRect(i).width())
                    d.push_back("tab cut: " + t->tabText(i).toStdString());
        }
        const std::string nome = w->metaObject()->className() + (" " + testo.toStdString());
        if (!finestra.rect().contains(QRect(w->mapTo(&finestra, QPoint()), w->size())))
            d.push_back("outside: " + nome);
        if (larghezza(w, testo) > spazio) d.push_back("caption cut: " + nome);
    }
    return d;
}

using Disposizione = supporto::ProvaBase;

TEST_F(Disposizione, EveryControlInsideItsWindowAndEveryCaptionWhole) {
    supporto::CartellaTemporanea cartella;
    tools::preparaArchivio(cartella.percorso());
    archive::FAIOPEN(1);  // the selection window lists the companies as it opens
    auto codvec = new CODVEC;
    codvec->Form_Load();
    auto ricerca = new RICERCA_ARC;
    ricerca->CONFERMA->show();
    auto menu2 = new MENU2;  // 16 button rows with the longest description, widest letters
    for (int r = 1; r <= MENU2::RIGHE_CON_PULSANTI; ++r) {
        menu2->DESCR[r] = std::string(36, 'W');
        menu2->CARICA6(r);
        menu2->SS[r - 1]->show();
        menu2->SSCommand2[r - 1]->show();
    }
    for (auto* p :
         {menu2->Tasto_calcolo, menu2->Tasto_qualifica, menu2->Tasto_settore, menu2->Tasto_ditta})
        p->show();
    for (QWidget* finestra :
         std::initializer_list<QWidget*>{codvec, ricerca, new Fines, menu2, new Scelta}) {
        std::unique_ptr<QWidget> f(finestra);
        f->show();  // lays out the windows built on a layout
        EXPECT_EQ(difetti(*f), std::vector<std::string>{}) << f->metaObject()->className();
    }
}

}  // namespace
