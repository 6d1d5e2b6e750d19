#pragma once
// Simple mail: open a session, compose one plain-text message to one recipient, send it
// without any dialog, close the session. Messages travel over SMTP to the configured server.
// Every step that can fail returns false and leaves a description in errorDescription().

#include <QByteArray>
#include <QString>

namespace platform {

// Where mail goes. The program's values live in Mail.cpp; tests point them at their own
// server on 127.0.0.1.
struct MailSettings {
    QString serverUrl;        // "smtp://host:port"
    QString senderAddress;    // envelope sender and From header
    QString recipientName;    // display name of the one recipient the program writes to
    QString recipientAddress; // also named in error messages
    int connectTimeoutSeconds = 10;
    // The whole exchange, the closing of the connection included: send() returns by then,
    // whatever the server or the mail library does.
    int transferTimeoutSeconds = 30;
};

MailSettings DefaultMailSettings();
const MailSettings& CurrentMailSettings();
void SetMailSettings(const MailSettings& settings);

// Turns every line break into a blank and drops other control characters, so that a value
// placed in a header can never end that header and start another.
QString OneLine(const QString& text);

class MailSession {
  public:
    MailSession();
    ~MailSession(); // signs off when still open
    MailSession(const MailSession&) = delete;
    MailSession& operator=(const MailSession&) = delete;

    bool signOn();
    bool isSignedOn() const { return send_ != nullptr; }
    // Starts a new message, forgetting recipient, subject and text.
    void compose();
    void setRecipient(const QString& displayName, const QString& address);
    // Checks that the recipient is one plain address the server can be given.
    bool resolveName();
    void setSubject(const QString& subject);
    void setNoteText(const QString& text);
    // Hands the message to the server; true once the server has accepted it. The exchange
    // runs on a worker thread; meanwhile windows repaint and input waits, at most for
    // transferTimeoutSeconds.
    bool send();
    void signOff();

    const QString& errorDescription() const { return error_; }
    // The message as it is handed to the server: headers, blank line, body, CR LF line ends.
    QByteArray messageText() const;

  private:
    bool fail(const QString& description);

    void* send_ = nullptr; // the mail module's sender, while signed on
    QString recipientName_;
    QString recipientAddress_;
    bool resolved_ = false;
    QString subject_;
    QString noteText_;
    QString error_;
};

} // namespace platform
