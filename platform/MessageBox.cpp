#include "platform/MessageBox.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace platform {
namespace {
MessageScript* script = nullptr;

std::function<QString()>& titleSource() {
    static std::function<QString()> source;
    return source;
}

// The boxes that wait for a window to come up; they open one after the other over it, each
// once the one before is answered, as boxes shown at once would have.
class HeldBoxes : public QObject {
  public:
    explicit HeldBoxes(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }
    QWidget* window() const { return window_; }
    bool waiting() const { return waiting_; }
    void hold(std::unique_ptr<QMessageBox> box) { boxes_.emplace_back(box.release()); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show && waiting_) {
            waiting_ = false;
            window_->removeEventFilter(this);
            // After the show has run its course, so that the window is up under the box.
            QTimer::singleShot(0, this, [this] { openNext(); });
        }
        return false;
    }

  private:
    void openNext() {
        while (!boxes_.empty() && !boxes_.front())
            boxes_.erase(boxes_.begin());
        if (boxes_.empty()) {
            deleteLater();
            return;
        }
        QMessageBox* box = boxes_.front();
        boxes_.erase(boxes_.begin());
        connect(box, &QDialog::finished, this, [this, box] {
            box->deleteLater();
            openNext();
        });
        box->open();
    }

    QWidget* window_;
    bool waiting_ = true;
    std::vector<QPointer<QMessageBox>> boxes_; // children of the window, gone with it
};

QPointer<HeldBoxes>& held() {
    static QPointer<HeldBoxes> current;
    return current;
}

// The window a box without a parent opens over while that window is being built.
QWidget* loadingWindow() {
    HeldBoxes* h = held();
    return h && h->waiting() ? h->window() : nullptr;
}

QMessageBox::StandardButtons toQt(Buttons b) {
    switch (b) {
    case Buttons::OK:
        return QMessageBox::Ok;
    case Buttons::OKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toQt(Icon i) {
    switch (i) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void SetDefaultTitleSource(std::function<QString()> source) {
    titleSource() = std::move(source);
}

QString DefaultTitle() {
    const QString title = titleSource() ? titleSource()() : QString();
    return title.isEmpty() ? kDefaultTitle : title;
}

void HoldMessagesUntilShown(QWidget* window) {
    if (!window || window->isVisible()) return;
    held() = new HeldBoxes(window);
}

MessageScript::MessageScript() : previous_(script) {
    script = this;
}
MessageScript::~MessageScript() {
    if (script == this) script = previous_;
}

RealMessageBoxes::RealMessageBoxes() : saved_(script) {
    script = nullptr;
}
RealMessageBoxes::~RealMessageBoxes() {
    script = saved_;
}

MessageScript& MessageScript::then(Answer a) {
    return then(a, {});
}

MessageScript& MessageScript::then(Answer a, std::function<void()> whileOpen) {
    answers_.push_back({a, std::move(whileOpen)});
    return *this;
}

std::vector<QString> MessageScript::texts() const {
    std::vector<QString> out;
    for (const auto& a : asked_)
        out.push_back(a.text);
    return out;
}

std::unique_ptr<QMessageBox> MakeMessageBox(const QString& text, Buttons buttons, Icon icon,
                                            const QString& title, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(toQt(icon), title, text, toQt(buttons),
                                             parent ? parent : QApplication::activeWindow());
    // Texts carry names from files and from the player: never interpret them as markup.
    box->setTextFormat(Qt::PlainText);
    return box;
}

Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& givenTitle,
              QWidget* givenParent) {
    const QString title = givenTitle.isEmpty() ? DefaultTitle() : givenTitle;
    QWidget* const loading = loadingWindow();
    QWidget* const parent = givenParent ? givenParent : loading;
    if (script) {
        script->asked_.push_back({text, buttons, icon, title, parent});
        if (!script->answers_.empty()) {
            const MessageScript::Scripted next = script->answers_.front();
            script->answers_.pop_front();
            if (next.whileOpen) next.whileOpen();
            return next.answer;
        }
        return buttons == Buttons::OK ? Answer::OK : script->fallback_;
    }
    if (parent && parent == loading && buttons == Buttons::OK) {
        held()->hold(MakeMessageBox(text, buttons, icon, title, parent));
        return Answer::OK;
    }
    const auto box = MakeMessageBox(text, buttons, icon, title, parent);
    switch (box->exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::OK || buttons == Buttons::OKCancel ? Answer::OK : Answer::Cancel;
    }
}

} // namespace platform
