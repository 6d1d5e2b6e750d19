#include "mail/SmtpTestServer.h"

#include <QDir>
#include <QFile>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace mailtest {
namespace {

const char* const kPython = "/usr/bin/python3";

sockaddr_in loopback(int port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(uint16_t(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

bool accepts(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_in a = loopback(port);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(fd);
    return ok;
}

} // namespace

bool SmtpServerAvailable() {
    QProcess p;
    p.start(kPython, {"-c", "import aiosmtpd"});
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

int FreeLocalPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return 0;
    sockaddr_in a = loopback(0);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

StallingServer::StallingServer(StallStage stage) : stage_(stage) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = loopback(0);
    socklen_t len = sizeof a;
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), len) == 0 && ::listen(fd_, 4) == 0 &&
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port_ = ntohs(a.sin_port);
    // Never greeting needs no one to talk: the kernel takes the connection on its own.
    if (port_ && stage_ != StallStage::Greeting && ::pipe(wake_) == 0)
        thread_ = std::thread([this] { serve(); });
}

StallingServer::~StallingServer() {
    if (thread_.joinable()) {
        const char stop = 0;
        (void)!::write(wake_[1], &stop, 1);
        thread_.join();
    }
    for (int fd : {fd_, wake_[0], wake_[1]})
        if (fd >= 0) ::close(fd);
}

void StallingServer::serve() {
    for (;;) {
        pollfd fds[2] = {{fd_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 || fds[1].revents) return;
        const int client = ::accept(fd_, nullptr, nullptr);
        if (client < 0) continue;
        const bool goOn = converse(client);
        ::close(client);
        if (!goOn) return;
    }
}

bool StallingServer::converse(int client) {
    auto say = [client](const char* text) { (void)!::write(client, text, std::strlen(text)); };
    say("220 127.0.0.1 ESMTP\r\n");
    QByteArray pending;
    bool inMessage = false;
    for (;;) {
        pollfd fds[2] = {{client, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 || fds[1].revents) return false;
        char buffer[4096];
        const ssize_t n = ::read(client, buffer, sizeof buffer);
        if (n <= 0) return true; // the client hung up: wait for the next one
        if (sawMessageEnd_) continue;
        pending.append(buffer, n);
        for (qsizetype end; (end = pending.indexOf("\r\n")) >= 0;) {
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 2);
            if (inMessage) {
                if (line == ".") {
                    sawMessageEnd_ = true;
                    break;
                }
                continue;
            }
            const QByteArray verb = line.left(4).toUpper();
            if (verb == "DATA") {
                say("354 End data with <CR><LF>.<CR><LF>\r\n");
                inMessage = true;
            } else if (verb == "QUIT") {
                say("221 Bye\r\n");
                return true;
            } else {
                say("250 OK\r\n");
            }
        }
    }
}

SmtpTestServer::~SmtpTestServer() {
    stop();
}

bool SmtpTestServer::start(QString* why) {
    port_ = FreeLocalPort();
    if (!port_ || !dir_.isValid()) {
        *why = "no free port or temporary folder";
        return false;
    }
    // Should the test binary die outright, the server goes with it.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_.start(kPython, {"-m", "aiosmtpd", "-n", "-l", QString("127.0.0.1:%1").arg(port_), "-c",
                             "aiosmtpd.handlers.Mailbox", dir_.filePath("box")});
    if (!process_.waitForStarted(5000)) {
        *why = "the server did not start: " + process_.errorString();
        return false;
    }
    pid_ = process_.processId();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (accepts(port_)) return true;
        if (process_.state() != QProcess::Running) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    *why = "the server never accepted a connection: " +
           QString::fromUtf8(process_.readAllStandardError());
    return false;
}

void SmtpTestServer::stop() {
    if (pid_ <= 0) return;
    ::kill(pid_t(pid_), SIGTERM);
    if (!process_.waitForFinished(3000)) {
        ::kill(pid_t(pid_), SIGKILL);
        process_.waitForFinished(3000);
    }
    pid_ = 0;
}

std::vector<QByteArray> SmtpTestServer::messages() const {
    std::vector<QByteArray> out;
    const QDir inbox(dir_.filePath("box/new"));
    for (const QString& name : inbox.entryList(QDir::Files, QDir::Time | QDir::Reversed)) {
        QFile f(inbox.filePath(name));
        if (f.open(QIODevice::ReadOnly)) out.push_back(f.readAll());
    }
    return out;
}

ParsedMail ParseMail(const QByteArray& raw) {
    QString text = QString::fromUtf8(raw);
    text.replace("\r\n", "\n");
    const qsizetype split = text.indexOf("\n\n");
    const QStringList headerLines = text.left(split).split('\n');
    ParsedMail m;
    QString name;
    for (const QString& line : headerLines) {
        if ((line.startsWith(' ') || line.startsWith('\t')) && !name.isEmpty()) {
            m.headers[name].last() += line;
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) continue;
        name = line.left(colon).toLower();
        m.headerNames << name;
        m.headers[name] << line.mid(colon + 1).trimmed();
    }
    if (split >= 0) {
        QString body = text.mid(split + 2);
        if (body.endsWith('\n')) body.chop(1);
        m.bodyLines = body.split('\n');
    }
    return m;
}

} // namespace mailtest
