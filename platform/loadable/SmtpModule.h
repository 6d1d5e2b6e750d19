#pragma once
// What the mail module exports: one function that hands a finished message to an SMTP server.
// Plain C types only: the caller runs it on a worker thread.

#include <cstddef>

extern "C" {
struct ParlovexSmtpRequest {
    const char* url;       // "smtp://host:port"
    const char* from;      // "<address>"
    const char* recipient; // "<address>"
    const char* data;      // the whole message, CR LF line ends
    size_t size;
    long connectTimeoutMs;
    long totalTimeoutMs; // everything, the closing of the connection included, ends by then
};
// 0 once the server accepted the message; otherwise curl's code, with a description in `error`.
using ParlovexSmtpSendFn = int (*)(const ParlovexSmtpRequest* request, char* error,
                                   size_t errorSize);
}

inline constexpr const char* kMailModuleName = "parlovex_mail";
inline constexpr const char* kMailModuleEntry = "ParlovexSmtpSend";
