#include "services/SettingsFile.h"

#include "platform/SafeFile.h"
#include "services/ItemReader.h"
#include "services/TextFile.h"

#include <QFileInfo>
#include <cmath>
#include <limits>

SettingsFile& SettingsFile::add(const QString& key, const QString& value) {
    entries_.emplace_back(key, value);
    return *this;
}

SettingsFile& SettingsFile::addNumber(const QString& key, int64_t value) {
    return add(key, QString::number(value));
}

SettingsFile& SettingsFile::addFlag(const QString& key, bool value) {
    return add(key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

QByteArray SettingsFile::text() const {
    QStringList lines;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (i > 0) lines << QString();
        lines << entries_[i].first << entries_[i].second;
    }
    // Settings files are single-byte text.
    QByteArray out;
    for (const QString& line : lines)
        out += line.toLatin1() + "\r\n";
    if (!entries_.empty()) out += "\r\n";
    if (extraLineEnd_) out += "\r\n";
    return out;
}

bool SettingsFile::write(const QString& path) const {
    return WriteProgramFile(path, text());
}

bool SettingsFile::writeQuietly(const QString& path) const {
    return platform::WriteFileWhole(path, text());
}

void ReadSettingsText(const QByteArray& text, const QStringList& keys,
                      const SettingsValueHandler& onValue) {
    ItemReader reader(text);
    ReadKeyedItems(reader, keys, onValue);
}

bool ReadSettingsFile(const QString& path, const QStringList& keys,
                      const SettingsValueHandler& onValue) {
    QByteArray data;
    if (!platform::ReadFileWhole(path, data)) return false;
    ReadSettingsText(data, keys, onValue);
    return true;
}

bool LoadSettingsFile(const QString& path, const SettingsFile& defaults, const QStringList& keys,
                      const SettingsValueHandler& onValue) {
    if (!QFileInfo::exists(path)) defaults.writeQuietly(path);
    QByteArray data;
    QString error;
    if (!platform::ReadFileWhole(path, data, &error)) {
        // A file that could not even be written stays unmentioned, as its write did; one
        // that is there but cannot be read (a device, a pipe, a folder) would otherwise
        // leave the player wondering where the settings went.
        if (QFileInfo::exists(path))
            ReportFileProblem(error + QStringLiteral("\nThe default settings are used instead."));
        return false;
    }
    ReadSettingsText(data, keys, onValue);
    return true;
}

std::optional<int32_t> SettingsWholeNumber(const QString& value) {
    bool ok = false;
    const double d = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d)) return std::nullopt;
    const double r = std::nearbyint(d); // the default rounding mode sends halves to even
    if (r < double(std::numeric_limits<int32_t>::min()) ||
        r > double(std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return int32_t(r);
}

int SettingsTextIndex(const QString& value, const std::vector<int>& allowed) {
    for (std::size_t i = 0; i < allowed.size(); ++i)
        if (value == QString::number(allowed[i])) return int(i);
    return -1;
}
