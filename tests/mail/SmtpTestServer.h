#pragma once
// A real SMTP server for mail tests: Debian's aiosmtpd on 127.0.0.1, storing what it
// receives in a Maildir. The object owns the server process and stops it by its id when it
// goes out of scope, however the test ends.

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <ostream>
#include <thread>
#include <vector>

// Readable QString values in assertion messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace mailtest {

// True when /usr/bin/python3 can import aiosmtpd.
bool SmtpServerAvailable();

// A port on 127.0.0.1 that nothing listens on right now.
int FreeLocalPort();

// Where a stalling server goes quiet, for good.
enum class StallStage {
    Greeting,   // takes the connection and never greets
    MessageEnd, // answers up to DATA's 354, reads the message, never answers its final "."
};

// A server on 127.0.0.1 that goes quiet at one stage of the exchange and says nothing after,
// not even to QUIT, until it goes out of scope.
class StallingServer {
  public:
    explicit StallingServer(StallStage stage);
    ~StallingServer();
    StallingServer(const StallingServer&) = delete;
    StallingServer& operator=(const StallingServer&) = delete;
    int port() const { return port_; } // 0 when no socket could be had
    QString url() const { return QString("smtp://127.0.0.1:%1").arg(port_); }
    // True once the stage was reached: the row stalled where it says it does.
    bool stalled() const { return stage_ == StallStage::Greeting || sawMessageEnd_; }

  private:
    void serve();
    bool converse(int client); // false once asked to stop

    StallStage stage_;
    int fd_ = -1;
    int port_ = 0;
    int wake_[2] = {-1, -1};
    std::atomic<bool> sawMessageEnd_{false};
    std::thread thread_;
};

class SmtpTestServer {
  public:
    SmtpTestServer() = default;
    ~SmtpTestServer();
    SmtpTestServer(const SmtpTestServer&) = delete;
    SmtpTestServer& operator=(const SmtpTestServer&) = delete;

    // Starts the server and waits until it accepts connections. False with a reason.
    bool start(QString* why);
    QString url() const { return QString("smtp://127.0.0.1:%1").arg(port_); }
    // Every message that arrived, as stored.
    std::vector<QByteArray> messages() const;

  private:
    void stop();

    QTemporaryDir dir_;
    QProcess process_;
    qint64 pid_ = 0;
    int port_ = 0;
};

// A stored message split into headers (names lower-cased, folded lines joined) and body
// lines (line ends of either kind).
struct ParsedMail {
    QStringList headerNames;
    QMap<QString, QStringList> headers;
    QStringList bodyLines;
    QString header(const QString& name) const {
        const QStringList v = headers.value(name.toLower());
        return v.isEmpty() ? QString() : v.first();
    }
};
ParsedMail ParseMail(const QByteArray& raw);

} // namespace mailtest
