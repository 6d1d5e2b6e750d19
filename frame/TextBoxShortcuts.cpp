#include "frame/TextBoxShortcuts.h"

#include "frame/GameWindow.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool isTextBox(QObject* o) {
    return qobject_cast<QLineEdit*>(o) || qobject_cast<QTextEdit*>(o) ||
           qobject_cast<QPlainTextEdit*>(o) || qobject_cast<QAbstractSpinBox*>(o);
}

bool isEditingKey(const QKeyEvent* k) {
    if (k->modifiers() != Qt::ControlModifier) return false;
    const int key = k->key();
    return key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X || key == Qt::Key_Z;
}

class Guard : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride || !isTextBox(watched)) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isEditingKey(key)) return false;
        if (!qobject_cast<GameWindow*>(static_cast<QWidget*>(watched)->window())) return false;
        // Accepting the override hands the key to the text box instead of the menu.
        key->accept();
        return true;
    }
};

} // namespace

void InstallTextBoxShortcutGuard() {
    static Guard* guard = nullptr;
    if (guard || !qApp) return;
    guard = new Guard(qApp);
    qApp->installEventFilter(guard);
}
