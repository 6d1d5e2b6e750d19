#include "platform/Mail.h"

#include "platform/ProgramTime.h"

#include "platform/LoadableModule.h"
#include "platform/loadable/SmtpModule.h"

#include <QApplication>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {
namespace {

MailSettings& settings() {
    static MailSettings s = DefaultMailSettings();
    return s;
}

bool isLineBreak(QChar c) {
    const char16_t u = c.unicode();
    return u == '\r' || u == '\n' || u == '\v' || u == '\f' || u == 0x85 || u == 0x2028 ||
           u == 0x2029;
}

bool isPrintableAscii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
    return true;
}

// Header text outside ASCII travels as one encoded word (RFC 2047).
QByteArray headerText(const QString& text) {
    const QString clean = OneLine(text);
    if (isPrintableAscii(clean)) return clean.toLatin1();
    return "=?UTF-8?B?" + clean.toUtf8().toBase64() + "?=";
}

QByteArray displayName(const QString& name) {
    const QString clean = OneLine(name);
    if (clean.isEmpty()) return {};
    if (!isPrintableAscii(clean)) return headerText(clean) + ' ';
    QString quoted = clean;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + quoted.toLatin1() + "\" ";
}

// Every line break in the body, whatever its kind, goes out as CR LF.
QByteArray bodyText(const QString& text) {
    QString body = text;
    body.replace("\r\n", "\n").replace('\r', '\n').remove(QChar(0));
    body.replace('\n', "\r\n");
    return body.toUtf8();
}

using Clock = std::chrono::steady_clock;

// The module is told to end a moment before our own deadline, so that its account of a
// stall, in the library's words, reaches the player rather than ours.
constexpr long kModuleMarginMs = 250;
// What the program's exit grants a worker past its deadline before leaving it running.
constexpr auto kExitGrace = std::chrono::seconds(2);

// One exchange, owned jointly by send() and its worker: a worker still talking to a server
// when send() has stopped waiting keeps everything it reads and writes alive.
struct Exchange {
    QByteArray url;
    QByteArray from;
    QByteArray to;
    QByteArray message;
    ParlovexSmtpRequest request{};
    ParlovexSmtpSendFn sendFn = nullptr;
    Clock::time_point deadline;
    char error[1024] = {};
    int rc = 0;
    std::atomic<bool> done{false};

    void run() {
        rc = sendFn(&request, error, sizeof error);
        done = true;
    }
};

// Workers that send() stopped waiting for. The module ends each soon after its deadline;
// they are joined once they have, and at exit, so that none is inside the module while the
// program's statics and the libraries' exit handlers go. Constructed after the module was
// loaded, so destroyed before anything it uses.
class Stragglers {
  public:
    ~Stragglers() {
        std::lock_guard lock(mutex_);
        for (Worker& w : workers_) {
            while (!w.exchange->done && Clock::now() < w.exchange->deadline + kExitGrace)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            // One the library still holds past all reason is left to the exit.
            if (w.exchange->done)
                w.thread.join();
            else
                w.thread.detach();
        }
    }
    void keep(std::thread thread, std::shared_ptr<const Exchange> exchange) {
        std::lock_guard lock(mutex_);
        joinEnded();
        workers_.push_back({std::move(thread), std::move(exchange)});
    }

  private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<const Exchange> exchange;
    };
    void joinEnded() {
        for (auto w = workers_.begin(); w != workers_.end();) {
            if (!w->exchange->done) {
                ++w;
                continue;
            }
            w->thread.join();
            w = workers_.erase(w);
        }
    }

    std::mutex mutex_;
    std::vector<Worker> workers_;
};

Stragglers& stragglers() {
    static Stragglers s;
    return s;
}

} // namespace

MailSettings DefaultMailSettings() {
    MailSettings s;
    s.serverUrl = QStringLiteral("smtp://127.0.0.1:25");
    s.senderAddress = QStringLiteral("parlovex@localhost");
    s.recipientName = QStringLiteral("Halvik");
    s.recipientAddress = QStringLiteral("highscores@corvell.example");
    return s;
}

const MailSettings& CurrentMailSettings() {
    return settings();
}
void SetMailSettings(const MailSettings& s) {
    settings() = s;
}

QString OneLine(const QString& text) {
    QString out;
    out.reserve(text.size());
    bool lastWasBreak = false;
    for (QChar c : text) {
        if (isLineBreak(c)) {
            if (!lastWasBreak) out += ' ';
            lastWasBreak = true;
            continue;
        }
        lastWasBreak = false;
        if ((c.unicode() < 0x20 && c != '\t') || c.unicode() == 0x7f) continue;
        out += c;
    }
    return out;
}

MailSession::MailSession() = default;
MailSession::~MailSession() {
    signOff();
}

bool MailSession::signOn() {
    signOff();
    error_.clear();
    QString problem;
    send_ = reinterpret_cast<void*>(
        ResolveModuleEntry<ParlovexSmtpSendFn>(kMailModuleName, kMailModuleEntry, &problem));
    if (!send_) return fail(QStringLiteral("The mail session could not be opened: ") + problem);
    return true;
}

void MailSession::compose() {
    recipientName_.clear();
    recipientAddress_.clear();
    resolved_ = false;
    subject_.clear();
    noteText_.clear();
}

void MailSession::setRecipient(const QString& name, const QString& address) {
    recipientName_ = name;
    recipientAddress_ = address;
    resolved_ = false;
}

bool MailSession::resolveName() {
    // One plain address: nothing the server could read as a second recipient or a command.
    static const QRegularExpression plainAddress(QStringLiteral("^[^\\s<>@,;\"]+@[^\\s<>@,;\"]+$"));
    resolved_ =
        plainAddress.match(recipientAddress_).hasMatch() && isPrintableAscii(recipientAddress_);
    if (!resolved_)
        return fail(QStringLiteral("The recipient address \"%1\" is not a valid e-mail address.")
                        .arg(OneLine(recipientAddress_)));
    return true;
}

void MailSession::setSubject(const QString& subject) {
    subject_ = subject;
}
void MailSession::setNoteText(const QString& text) {
    noteText_ = text;
}

QByteArray MailSession::messageText() const {
    const QByteArray crlf = "\r\n";
    const QString sender = OneLine(CurrentMailSettings().senderAddress);
    QByteArray m;
    m += "From: <" + sender.toLatin1() + '>' + crlf;
    m += "To: " + displayName(recipientName_) + '<' + OneLine(recipientAddress_).toLatin1() + '>' +
         crlf;
    m += "Subject: " + headerText(subject_) + crlf;
    m += "Date: " + ProgramTime::now().toString(Qt::RFC2822Date).toLatin1() + crlf;
    m += "MIME-Version: 1.0" + crlf;
    m += "Content-Type: text/plain; charset=UTF-8" + crlf;
    m += "Content-Transfer-Encoding: 8bit" + crlf;
    m += crlf;
    m += bodyText(noteText_);
    if (!m.endsWith(crlf)) m += crlf;
    return m;
}

bool MailSession::send() {
    if (!send_) return fail(QStringLiteral("The mail session is not open."));
    if (!resolved_) return fail(QStringLiteral("The recipient has not been resolved."));

    const MailSettings& s = CurrentMailSettings();
    const long totalMs = long(s.transferTimeoutSeconds) * 1000;
    auto exchange = std::make_shared<Exchange>();
    exchange->url = s.serverUrl.toUtf8();
    exchange->from = '<' + OneLine(s.senderAddress).toLatin1() + '>';
    exchange->to = '<' + recipientAddress_.toLatin1() + '>';
    exchange->message = messageText();
    exchange->request = {exchange->url.constData(),
                         exchange->from.constData(),
                         exchange->to.constData(),
                         exchange->message.constData(),
                         size_t(exchange->message.size()),
                         long(s.connectTimeoutSeconds) * 1000,
                         totalMs > 2 * kModuleMarginMs ? totalMs - kModuleMarginMs : totalMs / 2};
    exchange->sendFn = reinterpret_cast<ParlovexSmtpSendFn>(send_);
    exchange->deadline = Clock::now() + std::chrono::milliseconds(totalMs);

    // The server may be slow or silent: talk to it on a worker thread while the windows keep
    // painting. Input waits until the answer is in, so nothing can be sent twice, and never
    // past the deadline, whatever the library does.
    std::thread worker([exchange] { exchange->run(); });
    QEventLoop wait;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &wait, [&] {
        if (exchange->done || Clock::now() >= exchange->deadline) wait.quit();
    });
    poll.start(20);
    if (!exchange->done) wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (!exchange->done) {
        stragglers().keep(std::move(worker), exchange);
        // In the words the library uses for its own timeouts.
        return fail(QStringLiteral("Timeout was reached (code 28): the server had not finished "
                                   "the exchange after %1 s")
                        .arg(s.transferTimeoutSeconds));
    }
    worker.join();
    if (exchange->rc == 0) return true;
    return fail(QString::fromUtf8(exchange->error));
}

void MailSession::signOff() {
    send_ = nullptr;
}

bool MailSession::fail(const QString& description) {
    error_ = description;
    return false;
}

} // namespace platform
