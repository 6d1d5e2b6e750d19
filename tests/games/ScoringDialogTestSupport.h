#pragma once
// Driving a game's custom-scoring dialog through its window's menu item: one OK with a box's
// text, the Tab order, Default then Cancel. Expected results are the tests' own.

#include "CaptionFit.h"
#include "frame/CustomScoringDialog.h"
#include "frame/GameWindow.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace scoringtest {

// One box's text and what an OK with it must do.
struct BoxCase {
    const char* box;
    const char* text;
    int32_t stored;               // the variable afterwards
    const char* message;          // the first message shown; nullptr: none
    const char* second = nullptr; // a second one, from a later step
};

struct OkOutcome {
    std::vector<QString> messages;
    bool closed = false;
    QString boxText; // the box's text after the OK
};

// Opens the dialog from the window, lets `fill` set the boxes, presses OK once.
// A number the box takes shows whole as typed (`typedTaken`), and so does whatever text a
// refusal puts in it.
inline OkOutcome PressOk(GameWindow& w, const std::function<void(CustomScoringDialog&)>& fill,
                         const char* box = nullptr, bool typedTaken = false) {
    OkOutcome out;
    platform::MessageScript script;
    platform::ModalDriver driver([&](QDialog& d) {
        auto& dlg = static_cast<CustomScoringDialog&>(d);
        fill(dlg);
        static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
        if (box && typedTaken && number.match(dlg.box(box)->text()).hasMatch()) {
            EXPECT_TRUE(testsupport::CaptionsFit(dlg)) << "typed into " << box;
        }
        dlg.cmdOK()->click();
        out.closed = dlg.result() == QDialog::Accepted;
        if (box) out.boxText = dlg.box(box)->text();
        if (box && !out.closed) {
            EXPECT_TRUE(testsupport::CaptionsFit(dlg)) << "after OK in " << box;
        }
    });
    w.mnuCustom_Click();
    out.messages = script.texts();
    return out;
}

// Runs every case on a fresh set of defaults; `stored` reads the case's variable.
inline void RunBoxCases(GameWindow& w, const std::vector<BoxCase>& cases,
                        const std::function<void()>& reset,
                        const std::function<int32_t(const char* box)>& stored) {
    for (const BoxCase& c : cases) {
        reset();
        const OkOutcome out = PressOk(
            w, [&c](CustomScoringDialog& d) { d.box(c.box)->setText(c.text); }, c.box,
            c.message == nullptr);
        EXPECT_EQ(stored(c.box), c.stored) << c.box << " \"" << c.text << "\"";
        QStringList expected;
        for (const char* m : {c.message, c.second})
            if (m) expected << m;
        EXPECT_EQ(QStringList(out.messages.begin(), out.messages.end()).join(" | ").toStdString(),
                  expected.join(" | ").toStdString())
            << c.box << " \"" << c.text << "\"";
        EXPECT_EQ(out.closed, c.message == nullptr) << c.box << " \"" << c.text << "\"";
    }
}

// Opens the dialog from the window, runs `act` on it, and cancels it unless it closed.
inline void WithDialog(GameWindow& w, const std::function<void(CustomScoringDialog&)>& act) {
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        act(d);
        if (d.result() != QDialog::Accepted) d.cmdCancel()->click();
    });
    w.mnuCustom_Click();
    EXPECT_EQ(driver.shown(), 1);
}

// The seven texts every box is tried with, for a box that takes 0 to `most` and stores a
// value out of range as the bound it passed; `least` and `above` are its two messages.
inline std::vector<BoxCase> CasesFromZero(const char* box, int32_t most, const char* least,
                                          const char* above) {
    static std::deque<std::string> keep; // the texts outlive the cases
    keep.push_back(std::to_string(int64_t(most) + 1));
    const auto capped = [most](int32_t v) { return std::min(v, most); };
    return {
        {box, "12abc", 12, nullptr},
        {box, "abc", 0, nullptr}, // letters only: 0 without a message
        {box, "", 0, nullptr},
        {box, " 7000", capped(7000), 7000 > most ? above : nullptr},
        {box, "80,000", capped(80000), 80000 > most ? above : nullptr},
        {box, "-1", 0, least},
        {box, keep.back().c_str(), most, above},
    };
}

// The controls Tab reaches from the first focus, in order, and that first focus.
inline QStringList TabOrder(CustomScoringDialog& d) {
    d.show();
    QStringList names;
    QWidget* first = d.focusWidget();
    if (!first) return names;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&d) && w != &d)
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != first && names.size() < 50);
    return names;
}

inline QStringList TabOrderOf(GameWindow& w) {
    QStringList names;
    platform::ModalDriver driver(
        [&](QDialog& d) { names = TabOrder(static_cast<CustomScoringDialog&>(d)); });
    w.mnuCustom_Click();
    return names;
}

// Every caption whole: a label's text needs no more height than it has, and every control
// lies within the dialog (and a control in the frame within the frame).
// Every caption of the dialog shows whole, by the check every window passes (a control inside
// its parents, its text inside the control), and every control lies inside its parent.
inline void ExpectCaptionsFit(CustomScoringDialog& d) {
    EXPECT_TRUE(testsupport::CaptionsFit(d));
    for (QWidget* c : d.findChildren<QWidget*>()) {
        if (!c->isVisibleTo(&d) || c->parentWidget() == nullptr) continue;
        const QRect inParent = c->geometry();
        EXPECT_TRUE(c->parentWidget()->rect().contains(inParent)) << c->objectName().toStdString();
    }
}

} // namespace scoringtest
