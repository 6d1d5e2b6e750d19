#pragma once
// What the games' settings readers share beyond the file layout: a value taken only when the
// game can use it, the window's stored state and size, and the first-run write before the
// read.

#include "services/SettingsFile.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// The value when it is a whole number from `low` to `high`, else `fallback`.
int32_t SettingsNumberIn(const QString& value, int64_t low, int64_t high, int32_t fallback);

// "[State]", "[Width]" and "[Height]": a normal or maximised window (a stored minimised one
// opens normal) and its outer size in twips; what was not read leaves the window as it is.
struct StoredWindow {
    static constexpr int Normal = 0;
    static constexpr int Maximised = 2;
    std::optional<int> state;
    std::optional<int> width;
    std::optional<int> height;
    bool maximised() const { return state.value_or(Normal) == Maximised; }
};
// Takes the value when `key` is one of the three window keys; false for any other key.
bool ReadStoredWindow(const QString& key, const QString& value, StoredWindow& window);
// The three blocks; a maximised window stores the design size, so it comes back at it when
// restored.
void AddStoredWindow(SettingsFile& file, const StoredWindow& window, int designWidth,
                     int designHeight);
// The three keys, for the reader's key list.
const QStringList& StoredWindowKeys();

// The text of a settings file at window load: written first with `firstRun` when missing
// (quietly: a read-only folder is noticed at the quit), then read. Nothing when unreadable.
std::optional<QByteArray> LoadSettingsBytes(const QString& path, const QByteArray& firstRun);
