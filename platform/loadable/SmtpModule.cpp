// The SMTP sender, built as a module of its own: libcurl and what it brings (TLS, SSH, LDAP,
// Kerberos) load only when the player first sends a score.
#include "platform/loadable/SmtpModule.h"

#include <curl/curl.h>

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
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, request->connectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, request->totalTimeoutSeconds);
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
