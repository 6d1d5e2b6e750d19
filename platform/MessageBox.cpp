#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {
MessageScript* script = nullptr;

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

MessageScript::MessageScript() : previous_(script) {
    script = this;
}
MessageScript::~MessageScript() {
    if (script == this) script = previous_;
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

Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& title,
              QWidget* parent) {
    if (script) {
        script->asked_.push_back({text, buttons, icon, title});
        if (!script->answers_.empty()) {
            const MessageScript::Scripted next = script->answers_.front();
            script->answers_.pop_front();
            if (next.whileOpen) next.whileOpen();
            return next.answer;
        }
        return buttons == Buttons::OK ? Answer::OK : script->fallback_;
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
