// The SMTP sender, built as a module of its own: libcurl and what it brings (TLS, SSH, LDAP,
// Kerberos) load only when the player first sends a score.
#include "platform/loadable/SmtpModule.h"

#include <curl/curl.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace {

struct Upload {
    const char* data;
    size_t size;
    size_t offset;
};

size_t readUpload(char* buffer, size_t size, size_t count, void* user) {
    auto* upload = static_cast<Upload*>(user);
    const size_t room = size * count;
    const size_t left = upload->size - upload->offset;
    const size_t n = left < room ? left : room;
    std::memcpy(buffer, upload->data + upload->offset, n);
    upload->offset += n;
    return n;
}

using Clock = std::chrono::steady_clock;

// How one exchange spends its time. CURLOPT_TIMEOUT bounds the exchange proper but not the
// QUIT libcurl sends while closing the connection: that wait ends at the server response
// timeout, or when the progress callback says so, and libcurl asks it about once a second.
struct Schedule {
    long exchangeMs;
    long responseSeconds; // no single answer is awaited longer
    Clock::time_point closingEnds;
};

constexpr long kCallbackIntervalMs = 1000;

Schedule planExchange(long totalMs) {
    // The closing wait ends at the first check after closingEnds, so a check's time is left
    // after it; and it falls after the exchange's own timeout, so that a stalled exchange is
    // reported in libcurl's words rather than as our abort.
    long exchangeMs = totalMs / 2;
    long closingMs = totalMs * 3 / 4;
    if (totalMs >= 3 * kCallbackIntervalMs) {
        exchangeMs = totalMs - 3 * kCallbackIntervalMs / 2;
        closingMs = totalMs - kCallbackIntervalMs;
    }
    exchangeMs = exchangeMs > 0 ? exchangeMs : 1;
    // Whole seconds only, and 0 would mean the library's own two minutes.
    const long responseSeconds = exchangeMs / 1000 + 1;
    return {exchangeMs, responseSeconds, Clock::now() + std::chrono::milliseconds(closingMs)};
}

int stopLateClosing(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return Clock::now() >= static_cast<const Schedule*>(user)->closingEnds ? 1 : 0;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int
ParlovexSmtpSend(const ParlovexSmtpRequest* request, char* error, size_t errorSize) {
    static std::once_flag globalInit;
    std::call_once(globalInit, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    if (errorSize) error[0] = '\0';
    CURL* curl = curl_easy_init();
    if (!curl) {
        std::snprintf(error, errorSize, "The mail session could not be opened.");
        return -1;
    }
    curl_slist* recipients = curl_slist_append(nullptr, request->recipient);
    Upload upload{request->data, request->size, 0};
    char errorBuffer[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(curl, CURLOPT_URL, request->url);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    const Schedule schedule = planExchange(request->totalTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, request->connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, schedule.exchangeMs);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, schedule.responseSeconds);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, stopLateClosing);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &schedule);
    // Closed inside curl_easy_perform, under the limits above. Kept for reuse, the connection
    // would be closed by curl_easy_cleanup, which awaits the answer to QUIT with no callback
    // and the limits fixed when the connection was made.
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, request->from);
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(request->size));

    const CURLcode rc = curl_easy_perform(curl);
    curl_slist_free_all(recipients);
    curl_easy_cleanup(curl);
    if (rc == CURLE_OK) return 0;
    if (errorBuffer[0])
        std::snprintf(error, errorSize, "%s (code %d): %s", curl_easy_strerror(rc), int(rc),
                      errorBuffer);
    else
        std::snprintf(error, errorSize, "%s (code %d)", curl_easy_strerror(rc), int(rc));
    return int(rc);
}
