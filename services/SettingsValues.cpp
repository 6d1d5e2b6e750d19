#include "services/SettingsValues.h"

#include "platform/SafeFile.h"

#include <QFileInfo>

namespace {
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");
} // namespace

int32_t SettingsNumberIn(const QString& value, int64_t low, int64_t high, int32_t fallback) {
    const auto v = SettingsWholeNumber(value);
    return v && *v >= low && *v <= high ? *v : fallback;
}

bool ReadStoredWindow(const QString& key, const QString& value, StoredWindow& window) {
    if (key == kState) {
        const int state = SettingsNumberIn(value, 0, StoredWindow::Maximised, -1);
        if (state >= 0)
            window.state =
                state == StoredWindow::Maximised ? StoredWindow::Maximised : StoredWindow::Normal;
        return true;
    }
    if (key != kWidth && key != kHeight) return false;
    const int size = SettingsNumberIn(value, 1, INT32_MAX, 0);
    if (size > 0) (key == kWidth ? window.width : window.height) = size;
    return true;
}

void AddStoredWindow(SettingsFile& file, const StoredWindow& window, int designWidth,
                     int designHeight) {
    const bool maximised = window.maximised();
    file.addNumber(kState, maximised ? StoredWindow::Maximised : StoredWindow::Normal)
        .addNumber(kWidth, maximised ? designWidth : window.width.value_or(designWidth))
        .addNumber(kHeight, maximised ? designHeight : window.height.value_or(designHeight));
}

const QStringList& StoredWindowKeys() {
    static const QStringList keys = {kState, kWidth, kHeight};
    return keys;
}

std::optional<QByteArray> LoadSettingsBytes(const QString& path, const QByteArray& firstRun) {
    if (!QFileInfo::exists(path)) platform::WriteFileWhole(path, firstRun);
    QByteArray data;
    if (!platform::ReadFileWhole(path, data)) return std::nullopt;
    return data;
}
