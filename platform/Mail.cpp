#include "platform/Mail.h"

#include "platform/ProgramTime.h"

#include <curl/curl.h>

#include <QRegularExpression>
#include <cstring>
#include <mutex>

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

struct Upload {
    QByteArray data;
    qsizetype offset = 0;
};

size_t readUpload(char* buffer, size_t size, size_t count, void* user) {
    auto* upload = static_cast<Upload*>(user);
    const size_t room = size * count;
    const size_t left = size_t(upload->data.size() - upload->offset);
    const size_t n = left < room ? left : room;
    std::memcpy(buffer, upload->data.constData() + upload->offset, n);
    upload->offset += qsizetype(n);
    return n;
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
    static std::once_flag globalInit;
    std::call_once(globalInit, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    signOff();
    error_.clear();
    curl_ = curl_easy_init();
    if (!curl_) return fail(QStringLiteral("The mail session could not be opened."));
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
    if (!curl_) return fail(QStringLiteral("The mail session is not open."));
    if (!resolved_) return fail(QStringLiteral("The recipient has not been resolved."));
    CURL* curl = static_cast<CURL*>(curl_);
    curl_easy_reset(curl);

    const MailSettings& s = CurrentMailSettings();
    const QByteArray url = s.serverUrl.toUtf8();
    const QByteArray from = '<' + OneLine(s.senderAddress).toLatin1() + '>';
    const QByteArray to = '<' + recipientAddress_.toLatin1() + '>';
    curl_slist* recipients = curl_slist_append(nullptr, to.constData());
    Upload upload{messageText()};
    char errorBuffer[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, long(s.connectTimeoutSeconds));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, long(s.transferTimeoutSeconds));
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(upload.data.size()));

    const CURLcode rc = curl_easy_perform(curl);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    curl_slist_free_all(recipients);
    if (rc == CURLE_OK) return true;

    QString description =
        QStringLiteral("%1 (code %2)").arg(QString::fromUtf8(curl_easy_strerror(rc))).arg(int(rc));
    if (errorBuffer[0]) description += QStringLiteral(": ") + QString::fromUtf8(errorBuffer);
    return fail(description);
}

void MailSession::signOff() {
    if (curl_) curl_easy_cleanup(static_cast<CURL*>(curl_));
    curl_ = nullptr;
}

bool MailSession::fail(const QString& description) {
    error_ = description;
    return false;
}

} // namespace platform
