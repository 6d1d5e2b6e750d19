#include "frame/ReturnKey.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>

namespace {

bool takesText(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w);
}

bool pressable(const QPushButton* b) {
    return b && b->isEnabled() && b->isVisible();
}

// The focus `to` of the window went where the player never put it.
void handBack(QWidget* window, QPushButton* defaultButton, QWidget* to) {
    if (pressable(defaultButton)) {
        if (to != defaultButton) defaultButton->setFocus(Qt::OtherFocusReason);
    } else if (to && to->window() == window) {
        to->clearFocus();
    }
}

// Sees the Return keys that no control of the window took: a key the focused control
// ignores travels up to the window.
class ReturnKey : public QObject {
  public:
    ReturnKey(QWidget* window, QPushButton* defaultButton)
        : QObject(window), window_(window), default_(defaultButton) {
        connect(qApp, &QApplication::focusChanged, this, &ReturnKey::focusMoved);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        // The focus the window had when the desktop took the activation is the one it gets back.
        if (event->type() == QEvent::WindowDeactivate) left_ = window_->focusWidget();
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        QWidget* focus = window_->focusWidget();
        if (takesText(focus)) return false;
        auto* focused = qobject_cast<QPushButton*>(focus);
        QPushButton* button = pressable(focused) ? focused : default_.data();
        if (!pressable(button)) return false;
        // A held key presses once: a repeat must not start a game and then ask to end it.
        if (!key->isAutoRepeat()) button->click();
        return true;
    }

  private:
    // A button switched off while it had the focus hands it on to the next one in the tab
    // order, where a Return would press a button the player never chose (Exit, say). The
    // focus goes back to the default button instead, or to none.
    //
    // When the window becomes active again without a focus to give back (a button switched
    // off meanwhile, or none at all), Qt gives it to the first button of the tab order: End
    // Game, during a game. That goes back too. A button held down is the player's own choice:
    // without a window manager the press itself makes the window active, and a button that
    // lost the focus while held would come up without a click.
    void focusMoved(QWidget* from, QWidget* to) {
        if (auto* button = qobject_cast<QPushButton*>(to);
            button && to->window() == window_ && (!from || from->window() != window_)) {
            if (to != left_ && !button->isDown()) handBack(window_, default_, to);
            return;
        }
        auto* left = qobject_cast<QPushButton*>(from);
        if (!left || left->isEnabled() || left->window() != window_) return;
        handBack(window_, default_, to);
    }

    QWidget* window_;
    QPointer<QPushButton> default_;
    QPointer<QWidget> left_; // the focus when the window last lost the activation
};

} // namespace

void UseReturnKey(QWidget* window, QPushButton* defaultButton) {
    window->installEventFilter(new ReturnKey(window, defaultButton));
}

CommandSwitch::CommandSwitch(QWidget* window, QPushButton* defaultButton)
    : window_(window), default_(defaultButton), before_(window->focusWidget()) {}

CommandSwitch::~CommandSwitch() {
    QWidget* now = window_->focusWidget();
    if (now && now != before_) handBack(window_, default_, now);
}
