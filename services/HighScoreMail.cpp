#include "services/HighScoreMail.h"

#include "platform/Mail.h"
#include "services/GameRegistry.h"
#include "services/HighScores.h"

#include <cmath>
#include <limits>
#include <map>

double LeadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
    const qsizetype digitsStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    qsizetype digits = i - digitsStart;
    if (i < n && text[i] == '.') {
        const qsizetype fractionStart = ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        digits += i - fractionStart;
    }
    if (digits == 0) return 0;
    return text.mid(start, i - start).toDouble();
}

int32_t ScoreValue(const QString& text) {
    QString plain = text;
    plain.remove(',');
    const double rounded = std::rint(LeadingNumber(plain)); // half to even
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    if (rounded <= lo) return std::numeric_limits<int32_t>::min();
    if (rounded >= hi) return std::numeric_limits<int32_t>::max();
    return int32_t(rounded);
}

const ListingRule* FindListingRule(const QString& gameTitle) {
    const GameDescriptor* game = FindGameByTitle(gameTitle);
    if (!game) return nullptr;
    // One rule per game, made on first use and kept with the game's registration.
    static std::map<const GameDescriptor*, ListingRule> rules;
    const auto it =
        rules.try_emplace(game, ListingRule{game->title, game->mailMinimum, game->defaultTime})
            .first;
    return &it->second;
}

const QStringList& StateNames() {
    // Spelled as the web page lists them.
    static const QStringList names{
        "None",          "Alabama",        "Alaska",       "Arizona",    "Arkansas",
        "California",    "Colorado",       "Connecticut",  "Deleware",   "District of Columbia",
        "Florida",       "Georgia",        "Hawaii",       "Idaho",      "Illinois",
        "Indiana",       "Iowa",           "Kansas",       "Kentucky",   "Louisiana",
        "Maine",         "Maryland",       "Massachsetts", "Michigan",   "Minnesota",
        "Mississippi",   "Missouri",       "Montana",      "Nebraska",   "Nevada",
        "New Hampshire", "New Jersey",     "New Mexico",   "New York",   "North Carolina",
        "North Dakota",  "Ohio",           "Oklahoma",     "Oregon",     "Pennsylvania",
        "Rhode Island",  "South Carolina", "South Dakota", "Tennessee",  "Texas",
        "Utah",          "Vermont",        "Virginia",     "Washington", "West Virginia",
        "Wisconsin",     "Wyoming"};
    return names;
}

QString ListingLine(double score, const QString& name, const QString& homeTown,
                    const QString& state, const QString& country) {
    QString line = FormatScore(int64_t(std::rint(score))) + " by " + platform::OneLine(name) +
                   " of " + platform::OneLine(homeTown);
    if (state != QLatin1String("None")) line += ", " + platform::OneLine(state);
    if (country != QLatin1String("United States")) line += ", " + platform::OneLine(country);
    return line;
}

HighScoreMail ComposeHighScoreMail(const QString& gameTitle, const QString& listing,
                                   bool customScoring, bool enhancedScoring,
                                   const QString& comments) {
    const auto word = [](bool b) { return QString(b ? "True" : "False"); };
    const platform::MailSettings& config = platform::CurrentMailSettings();
    HighScoreMail mail;
    mail.recipientName = config.recipientName;
    mail.recipientAddress = config.recipientAddress;
    mail.subject = "Quorvane High Score Listing for " + gameTitle;
    mail.body = QStringList{listing,
                            QString(),
                            "Custom scoring is currently " + word(customScoring),
                            QString(),
                            "Sumbry enahnced scoring mode is " + word(enhancedScoring),
                            QString(),
                            comments}
                    .join("\r\n");
    return mail;
}

bool SendHighScoreMail(const HighScoreMail& mail, QString* error) {
    platform::MailSession session;
    const bool sent = session.signOn() && [&] {
        session.compose();
        session.setRecipient(mail.recipientName, mail.recipientAddress);
        if (!session.resolveName()) return false;
        session.setSubject(mail.subject);
        session.setNoteText(mail.body);
        return session.send();
    }();
    session.signOff(); // also after a failure: no session is left open
    if (!sent && error) *error = session.errorDescription();
    return sent;
}
