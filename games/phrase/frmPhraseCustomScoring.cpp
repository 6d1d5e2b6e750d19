// frmPhraseCustomScoring: the phrase game's "User Options" as data for the frame's engine.
// Six boxes in the frame, checked in tab order: the first out of range is reported and
// nothing is stored; the show time is typed in seconds, fractions allowed. Default stores
// the defaults at once; the two faces choose, at once, the picture a wrong guess shows.
#include "games/phrase/frmPhrase.h"

#include "frame/CustomScoringDialog.h"
#include "games/phrase/PhraseSettings.h"

namespace {
ScoringCheck fromOne(const char* box, double high, const char* message) {
    return RangeCheck(box, 1, high, QString::fromLatin1(message));
}

ScoringForm PhraseForm(frmPhrase& window) {
    ScoringForm f;
    f.dialogName = "frmPhraseCustomScoring";
    f.settings = &PhraseSettingsTable();
    f.client = QSize(6900, 5400);
    f.note = QStringLiteral("Note: Changing any of the Scoring Options will cause your high "
                            "scores to be marked with an * indicating custom scoring was in use.");
    f.notePlace = QRect(240, 4140, 6420, 480);
    f.framePlace = QRect(120, 120, 6660, 3030);
    const auto row = [](const char* label, const char* caption, const char* box, int top, int tab,
                        const QString& key) {
        return ScoringBox{label,
                          QString::fromLatin1(caption),
                          box,
                          QRect(150, top, 4400, 300),
                          QRect(4700, top - 30, 1755, 315),
                          tab,
                          key};
    };
    f.boxes = {
        row("lblGuessValue", "Bonus awarded for each remaining guess:", "txtGuessValue", 330, 0,
            kPhraseGuessBonus),
        row("lblCompletionBonus", "Bonus awarded for completing phrase: ", "txtCompletionBonus",
            750, 1, kPhraseCompletion),
        row("lblTimeBonus", "Time Bonus (each remaining second)", "txtTimeBonus", 1170, 2,
            kPhraseTimeBonus),
        row("lblGuesses", "Number of guesses per round:", "txtGuessCount", 1590, 3,
            kPhraseGuessCount),
        row("lblBonusRoundScore", "Score required for Bonus Round:", "txtBonusRoundScore", 2010, 4,
            kPhraseBonusScore),
        {"lblShowPhrase", "Show completed phrase for", "txtShowPhrase", QRect(150, 2430, 3000, 300),
         QRect(3200, 2400, 800, 315), 5, kPhraseShowPhrase, 0, true, 1000},
    };
    f.captions = {
        {"lblSeconds", "seconds", QRect(4100, 2430, 1200, 300), true},
        {"lblBadGuessImage", "Image for faulty letter guess:", QRect(240, 3660, 3000, 300)}};
    f.switches = {{"chkCountDown", "&Count Down when taking score", QRect(240, 3240, 4000, 300), 6,
                   kPhraseCountDown}};
    for (int i = 0; i < 2; ++i)
        f.pictures.push_back(
            {i == 0 ? "cmdBadGuess_0" : "cmdBadGuess_1", QRect(3300 + 600 * i, 3560, 495, 495),
             7 + i, window.FacePicture(3 + i), [&window, i] { window.SetBadGuessPicture(i); }});
    f.ok = {QRect(1500, 4740, 1200, 405), 9};
    f.cancel = {QRect(2850, 4740, 1200, 405), 10};
    f.byDefault = {QRect(4200, 4740, 1200, 405), 11};
    f.checks = {
        fromOne("txtGuessValue", 50000,
                "Sorry, the Bonus Value for remaining guesses must fall between 1 and 50,000."),
        fromOne("txtCompletionBonus", 100000,
                "Sorry, the score awarded for completing the phrase must fall between 1 and "
                "100,000."),
        fromOne("txtTimeBonus", 5000,
                "Sorry, the score awarded for each second remaining in the game after selecting "
                "'Take Score' must fall between 1 and 5,000."),
        fromOne("txtGuessCount", 8,
                "Sorry, the number of guesses allowed must fall between 1 and 8."),
        fromOne("txtBonusRoundScore", 1000000,
                "Sorry, the score required for a Bonus Round must fall between 1 and 1,000,000."),
        fromOne("txtShowPhrase", 30,
                "Sorry, the number of seconds to display the phrase must fall between 1 and 30."),
    };
    f.closing = ScoringClose::FirstFailure;
    f.icon = platform::Icon::Exclamation;
    f.defaultStores = true;
    return f;
}
} // namespace

void frmPhrase::ShowCustomScoring() {
    ScoringForm f = PhraseForm(*this);
    // The mark follows the values in force, after an OK and after Default alike.
    ShowScoringForm(std::move(f));
}
