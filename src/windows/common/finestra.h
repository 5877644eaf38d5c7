#pragma once
// The lifetime of a window, as the program's callers expect it.
//
// A window is "loaded" while its object exists; loading runs its Form_Load. Showing it is
// modal: the caller resumes when the window hides itself or is unloaded.
//  - nascondi() ("hide") ends the showing and keeps the object: the next showing finds the
//    window with its lists, selection and state as they were.
//  - scarica() ("unload", also what the title-bar close does by default) runs Form_Unload
//    and ends the showing; the Modulo then destroys the object, so the next showing loads
//    the window anew and Form_Load runs again.
//
// A window derives from Finestra and overrides the events it handles. The caller owns one
// Modulo<T> per window and calls mostra(); the window's state lives in the Modulo's object.
//
//     Modulo<Fines> fines;            // nothing loaded yet
//     fines.mostra();                 // loads (Form_Load), shows, returns on hide or unload
//     if (fines.caricato()) ...       // still loaded: it was hidden
//
// Modal showing goes through platform::servizi().mostraModale(name, ...), so that a test can
// act in place of the operator and call the window's handlers directly, without an event
// loop. A Modulo must not outlive the QApplication.

#include <QCloseEvent>
#include <QDialog>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <memory>
#include <string>
#include <utility>

#include "platform/servizi_ui.h"
#include "windows/common/testo_qt.h"

namespace windows {

// The fixed-pitch font of the lists: Courier New where installed, otherwise the system's
// fixed font, at the same size.
inline QFont carattereFisso(int punti = 9) {
    QFont f(QStringLiteral("Courier New"), punti);
    f.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(f).fixedPitch()) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPointSize(punti);
    }
    return f;
}

// Window sizes are given in twips; the screen has 15 twips per pixel.
inline int daTwip(int twip) {
    return (twip + 7) / 15;
}

// The key code a key-down handler receives: letters and digits are their upper-case
// character codes; the other keys the handlers test have their codes below; 0 for the rest.
inline int codiceTasto(int tastoQt) {
    if ((tastoQt >= Qt::Key_0 && tastoQt <= Qt::Key_9) ||
        (tastoQt >= Qt::Key_A && tastoQt <= Qt::Key_Z))
        return tastoQt;
    if (tastoQt >= Qt::Key_F1 && tastoQt <= Qt::Key_F12) return 112 + (tastoQt - Qt::Key_F1);
    switch (tastoQt) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        default:
            return 0;
    }
}

// The Shift argument of a key-down handler: 1 Shift, 2 Ctrl, 4 Alt, added together.
inline int maschera(Qt::KeyboardModifiers m) {
    return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) + (m.testFlag(Qt::ControlModifier) ? 2 : 0) +
           (m.testFlag(Qt::AltModifier) ? 4 : 0);
}

// The character code a key-press handler receives (Enter 13, Esc 27, Backspace 8), or -1
// for a key that types no single-byte character.
inline int codiceCarattere(const QString& testo) {
    if (testo.size() != 1) return -1;
    const std::string b = daQString(testo);
    if (b.size() != 1 || (b[0] == '?' && testo != QStringLiteral("?"))) return -1;
    return static_cast<unsigned char>(b[0]);
}

class Finestra : public QDialog {
  public:
    explicit Finestra(QWidget* genitore = nullptr) : QDialog(genitore) {}

    // The events a window may handle. Each override runs its body through
    // archive::eventoProtetto, so that no error reaches Qt.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

    // Ends the current showing; the window stays loaded with its state.
    void nascondi() {
        mostraFinita_ = true;
        done(QDialog::Accepted);
    }

    // Unloads the window: Form_Unload runs once, the showing ends, and the owning Modulo
    // destroys the object as soon as the showing has returned.
    void scarica() {
        if (!daScaricare_) {
            daScaricare_ = true;
            Form_Unload();
        }
        mostraFinita_ = true;
        done(QDialog::Rejected);
    }

    bool daScaricare() const { return daScaricare_; }

    // The real modal showing (what the Qt services run): the window appears, Form_Activate
    // runs, and the modal loop runs unless activation already hid or unloaded the window.
    void eseguiModale() {
        setWindowModality(Qt::ApplicationModal);
        show();
        Form_Activate();
        if (!mostraFinita_ && !daScaricare_) exec();
    }

    // Brackets one showing (Modulo::mostra): while it lasts, the title-bar close and Esc
    // reach the window's own way out.
    void iniziaMostra() { mostraFinita_ = false; }
    void fineMostra() { mostraFinita_ = true; }
    bool inMostra() const { return !mostraFinita_; }

    // Places the window in the middle of the screen it is on.
    void centra() {
        QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
        if (!schermo) return;
        const QRect area = schermo->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

  protected:
    // What the title-bar close and Esc on the window itself do. The default unloads; a
    // window whose way out sets results overrides it to take that same way.
    virtual void chiusuraDallUtente() { scarica(); }

    void closeEvent(QCloseEvent* e) override {
        if (!mostraFinita_ && !daScaricare_) chiusuraDallUtente();
        if (isVisible() && !mostraFinita_)
            e->ignore();
        else
            e->accept();
    }

    // QDialog's Esc key and its own close come here; they must not end the showing behind
    // the window's back.
    void reject() override {
        if (!mostraFinita_ && !daScaricare_) chiusuraDallUtente();
    }

  private:
    bool daScaricare_ = false;
    bool mostraFinita_ = true;
};

template <class T>
class Modulo {
  public:
    // The window's name as the UI services know it (T::NOME when T declares one).
    Modulo() requires requires { T::NOME; } : nome_(T::NOME) {
    }
    explicit Modulo(std::string nome) : nome_(std::move(nome)) {}
    Modulo(const Modulo&) = delete;
    Modulo& operator=(const Modulo&) = delete;

    // Loads the window when it is not loaded (Form_Load runs) and returns it.
    T& carica() {
        if (!finestra_) {
            finestra_ = std::make_unique<T>();
            finestra_->Form_Load();
        }
        return *finestra_;
    }

    // Loads the window if needed and shows it modally; returns when it is hidden or
    // unloaded. An unloaded window is destroyed here.
    void mostra() {
        T& f = carica();
        if (!f.daScaricare()) {
            inMostra_ = true;
            f.iniziaMostra();
            struct FineMostra {
                Modulo& m;
                ~FineMostra() {
                    m.inMostra_ = false;
                    if (m.finestra_) m.finestra_->fineMostra();
                }
            } fine{*this};
            platform::servizi().mostraModale(nome_, [&f] { f.eseguiModale(); });
        }
        if (finestra_ && finestra_->daScaricare()) finestra_.reset();
    }

    bool caricato() const { return finestra_ != nullptr; }

    // Unloads the window (Form_Unload runs). During its own showing the object lives on
    // until the showing has returned.
    void scarica() {
        if (!finestra_) return;
        finestra_->scarica();
        if (!inMostra_) finestra_.reset();
    }

    // The loaded window (nullptr when not loaded).
    T* finestra() const { return finestra_.get(); }
    T* operator->() const { return finestra_.get(); }
    T& operator*() const { return *finestra_; }  // only while loaded

    const std::string& nome() const { return nome_; }

  private:
    std::string nome_;
    std::unique_ptr<T> finestra_;
    bool inMostra_ = false;
};

}  // namespace windows
