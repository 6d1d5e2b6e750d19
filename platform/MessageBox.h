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

// The program's own name: the title of a box while no game names one.
inline const QString kDefaultTitle = QStringLiteral("Parlovex");

// A box whose caller names no title takes what `source` gives (the open game's title, which
// lives above this layer), or kDefaultTitle while it gives nothing.
void SetDefaultTitleSource(std::function<QString()> source);
QString DefaultTitle();

// A window under construction is not on screen yet. Until it first shows, a box that names
// no parent goes over it, and a box that only informs (OK alone) waits and opens over it once
// it is up; a question cannot wait and opens at once.
void HoldMessagesUntilShown(QWidget* window);

// An empty `title` is DefaultTitle().
Answer MsgBox(const QString& text, Buttons buttons = Buttons::OK, Icon icon = Icon::None,
              const QString& title = QString(), QWidget* parent = nullptr);

// The box MsgBox shows, built but not yet open: its text is always plain, never markup.
std::unique_ptr<QMessageBox> MakeMessageBox(const QString& text, Buttons buttons, Icon icon,
                                            const QString& title, QWidget* parent = nullptr);

struct AskedBox {
    QString text;
    Buttons buttons;
    Icon icon;
    QString title;
    QWidget* parent = nullptr; // the window the box opens over, nullptr for the active one
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

// Test seam: while it lives, no script answers and boxes are real, for a test that looks at
// where and when a real box opens.
class RealMessageBoxes {
  public:
    RealMessageBoxes();
    ~RealMessageBoxes();
    RealMessageBoxes(const RealMessageBoxes&) = delete;
    RealMessageBoxes& operator=(const RealMessageBoxes&) = delete;

  private:
    MessageScript* saved_;
};

} // namespace platform
