#pragma once
// The high-score listing that players e-mail for the web page: the score rules per game,
// the listing line, the message itself and sending it.

#include <QString>
#include <QStringList>
#include <cstdint>

// The decimal number a text starts with (blanks before it skipped, sign and fraction
// allowed); 0 when it starts with none.
double LeadingNumber(const QString& text);

// A score as typed or shown with thousands commas: the commas are dropped and the leading
// number is rounded half to even. Values beyond the 32-bit range are held at its ends.
int32_t ScoreValue(const QString& text);

// What a game needs for its score to be listed. nullptr for a title no listing is kept for.
struct ListingRule {
    const char* gameTitle;
    int32_t minimumScore;
    int timeLimit; // the game's default, in seconds
};
const ListingRule* FindListingRule(const QString& gameTitle);

// The 52 entries of the state list, "None" first.
const QStringList& StateNames();

// "612,345 by Ann of Springfield, Ohio": the state is left out when it is "None", the
// country when it is "United States". Each part is kept to one line.
QString ListingLine(double score, const QString& name, const QString& homeTown,
                    const QString& state, const QString& country);

struct HighScoreMail {
    QString recipientName;
    QString recipientAddress;
    QString subject;
    QString body;
};

// The message for a listing line and the player's comments, addressed to the configured
// recipient. The body has seven lines joined by CR LF; the comments may hold more.
HighScoreMail ComposeHighScoreMail(const QString& gameTitle, const QString& listing,
                                   bool customScoring, bool enhancedScoring,
                                   const QString& comments);

// Where score mail goes can be set in "Mail.Ini" in the program folder, in the layout of the
// settings files: "[Server]" (an smtp:// or smtps:// address with its port), "[Sender]",
// "[Recipient]" and "[Recipient Name]". Keys that are missing or unreadable keep the values
// in force (by default the server smtp://127.0.0.1:25).
inline const QString kMailSettingsFileName = QStringLiteral("Mail.Ini");
void LoadMailSettings(const QString& path);

// Opens a mail session, sends the message and closes the session again on every path.
// False with the mail system's description of the failure in `error`.
bool SendHighScoreMail(const HighScoreMail& mail, QString* error);
