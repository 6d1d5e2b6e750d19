#pragma once
// Message boxes with the buttons, icons and titles the program asks for. Tests install a
// script that answers in order and records every box that was shown.

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QMessageBox;
class QWidget;

namespace platform {

enum class Buttons { OK, OKCancel, YesNo, YesNoCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { OK, Cancel, Yes, No };

// The title a box gets when the caller names none: the program's own name.
inline const QString kDefaultTitle = QStringLiteral("Parlovex");

Answer MsgBox(const QString& text, Buttons buttons = Buttons::OK, Icon icon = Icon::None,
              const QString& title = kDefaultTitle, QWidget* parent = nullptr);

// The box MsgBox shows, built but not yet open: its text is always plain, never markup.
std::unique_ptr<QMessageBox> MakeMessageBox(const QString& text, Buttons buttons, Icon icon,
                                            const QString& title, QWidget* parent = nullptr);

struct AskedBox {
    QString text;
    Buttons buttons;
    Icon icon;
    QString title;
};

// Test seam: while installed, no real box opens. Answers are taken in order; when none is
// left, OK-only boxes answer OK and questions answer the script's fallback.
class MessageScript {
  public:
    MessageScript();
    ~MessageScript();
    MessageScript& then(Answer a);
    // The answer comes after `whileOpen` has run, as if the player took that long to give it
    // (time passed in it, what the window did meanwhile).
    MessageScript& then(Answer a, std::function<void()> whileOpen);
    void setFallback(Answer a) { fallback_ = a; }
    const std::vector<AskedBox>& asked() const { return asked_; }
    void clearAsked() { asked_.clear(); }
    // Text of every box shown, in order.
    std::vector<QString> texts() const;

  private:
    friend Answer MsgBox(const QString&, Buttons, Icon, const QString&, QWidget*);
    struct Scripted {
        Answer answer;
        std::function<void()> whileOpen;
    };
    std::deque<Scripted> answers_;
    std::vector<AskedBox> asked_;
    Answer fallback_ = Answer::No;
    MessageScript* previous_;
};

} // namespace platform
