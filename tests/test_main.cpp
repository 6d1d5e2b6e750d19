// Test entry point: the real Qt windows, offscreen, with no sound device needed.
#include "platform/Faces.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
    QApplication app(argc, argv);
    platform::UseProgramFont();
    app.setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    // No test may ever wait on a real dialog: unanswered boxes and unattended windows close.
    platform::MessageScript unattendedBoxes;
    platform::ModalDriver unattendedWindows(nullptr);
    return RUN_ALL_TESTS();
}
