// Timings of the phrase game's heaviest steps, printed for the record: Play up to the first
// painted board at the design size (goal 50 ms), and reading, shuffling and laying out a
// topic file of 500 phrases (goal 5 ms). The limits checked are loose, so a busy machine
// does not fail the build; the printed numbers are what to compare with the goals.
#include "PhraseWindowTestSupport.h"

#include <QElapsedTimer>
#include <iostream>

TEST_F(PhraseWindowTest, BenchmarkPlayToFirstBoardAndA500PhraseTopic) {
    QByteArray big;
    for (int i = 0; i < 500; ++i)
        big += "A PENNY SAVED IS A PENNY EARNED NUMBER " + QByteArray::number(i) + "\r\n";
    writeTopics(big);
    platform::MessageScript answers;
    auto w = open();
    w->show();
    w->grab(); // the idle window painted once, as on screen before Play

    QElapsedTimer clock;
    clock.start();
    w->cmdPlay()->click();
    const QPixmap board = w->grab();
    const double playMs = double(clock.nsecsElapsed()) / 1e6;
    EXPECT_FALSE(board.isNull());

    PhraseLibrary library;
    clock.restart();
    const PhraseChoice c = library.choosePhrase(3);
    const double topicMs = double(clock.nsecsElapsed()) / 1e6;
    ASSERT_TRUE(c.found);
    EXPECT_EQ(library.record(3).count, 500);

    std::cout << "[ bench    ] Play to first painted board: " << playMs
              << " ms (goal 50); 500-phrase topic read, shuffled, laid out: " << topicMs
              << " ms (goal 5)\n";
    EXPECT_LT(playMs, 1000);
    EXPECT_LT(topicMs, 200);
}
