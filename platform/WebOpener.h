#pragma once
// Opens a web address with the desktop's own opener (xdg-open, which honours $BROWSER).
// The opener runs detached from the program's work; a failure is reported back through
// the callback once the opener has given up.

#include <QString>
#include <functional>

namespace platform {

enum class OpenFailure { NoOpener, OpenerFailed };

// The opener program looked up on PATH; tests may point it elsewhere.
void SetWebOpenerProgram(const QString& program);

// Starts the opener for `url`. `onFailure` runs later on the UI thread when no opener could
// be found or when it ends unsuccessfully; it never runs on success.
void OpenUrl(const QString& url, std::function<void(OpenFailure)> onFailure);

// Tests: waits (up to timeoutMs) until every opener started so far has ended.
bool WaitForOpeners(int timeoutMs);

} // namespace platform
