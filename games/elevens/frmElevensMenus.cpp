// The elevens Options entries: card goal, selection colour and the count-up switch.
#include "games/elevens/frmElevens.h"

#include "frame/CardPictures.h"
#include "games/elevens/ElevensSettings.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

#include <QAction>
#include <QLabel>

namespace {
const char* const kColourItems[] = {"mnuYellow", "mnuRed",    "mnuBlue",
                                    "mnuGreen",  "mnuPurple", "mnuBlack"};
}

void frmElevens::setGoalChecks(int goal) {
    for (int g = 10; g <= 15; ++g)
        if (QAction* a = action(QString("mnu%1").arg(g))) a->setChecked(g == goal);
}

void frmElevens::GoalItem_Click(int goal) {
    setGoalChecks(goal);
    QLabel* caption = label("lblElevens");
    caption->setText(GoalCaption(goal));
    caption->adjustSize();
    centreOnColumn(caption, 2);
    Shared().CardGoal = goal;
    ShowTopScore();
    setStatusText(2, GoalStatusText(goal));
}

void frmElevens::ColourItem_Click(int index) {
    SelectionColor(index);
    ClearColorCheck();
    if (index >= 0 && index <= 5)
        if (QAction* a = action(kColourItems[index])) a->setChecked(true);
}

void frmElevens::SelectionColor(int index) {
    const uint32_t colour = uint32_t(SelectionColourValue(index));
    for (SelectionFrame* frame : fieldFrames_)
        frame->setBorderColour(colour);
    ElevensOptions().SelectionColour = index;
    upFrame_->setBorderColour(colour);
}

void frmElevens::ClearColorCheck() {
    for (const char* name : kColourItems)
        if (QAction* a = action(name)) a->setChecked(false);
}

void frmElevens::mnuDrawTimer_Click() {
    ElevensSettings& o = ElevensOptions();
    o.DrawTimer = !o.DrawTimer;
    if (QAction* a = action("mnuDrawTimer")) a->setChecked(o.DrawTimer);
}

void frmElevens::ShowTimerRect(bool) {
    // Always shown: the round start is its only caller.
    for (const char* name : {"TimerRectangle", "TimerBevelBottom", "TimerBevelSide"})
        if (QWidget* w = findChild<QWidget*>(name)) w->show();
}
