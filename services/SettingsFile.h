#pragma once
// The settings file that every game keeps in the program folder: one block per setting, the
// key in square brackets, its value, and an empty line; the file ends with one more empty
// line. Written whole in the writer's fixed order; read item by item, where the order of the
// blocks is free, unknown keys are skipped and a key met twice is applied twice.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class SettingsFile {
  public:
    // `key` includes its brackets, e.g. "[Time]".
    SettingsFile& add(const QString& key, const QString& value);
    SettingsFile& addNumber(const QString& key, int64_t value);
    SettingsFile& addFlag(const QString& key, bool value); // "True" / "False"
    // Some games print the whole text as one line, so one more CR LF follows the last empty
    // line.
    SettingsFile& endWithExtraLineEnd(bool on = true) {
        extraLineEnd_ = on;
        return *this;
    }

    const std::vector<std::pair<QString, QString>>& entries() const { return entries_; }
    QByteArray text() const;

    // Written whole; a failure is reported with its description.
    bool write(const QString& path) const;
    // Written whole; a failure is passed over in silence (the defaults written at load).
    bool writeQuietly(const QString& path) const;

  private:
    std::vector<std::pair<QString, QString>> entries_;
    bool extraLineEnd_ = false;
};

using SettingsValueHandler = std::function<void(const QString& key, const QString& value)>;

// Reads text in the settings layout: every item that is exactly one of `keys` takes the next
// item as its value and goes to `onValue`, in file order.
void ReadSettingsText(const QByteArray& text, const QStringList& keys,
                      const SettingsValueHandler& onValue);
// The same for a file; false (nothing applied) when it cannot be read.
bool ReadSettingsFile(const QString& path, const QStringList& keys,
                      const SettingsValueHandler& onValue);
// At window load: a missing file is first written with `defaults` (quietly), then the file
// is read. False when nothing could be read; a file that is there but cannot be read is
// reported in a plain box that names it.
bool LoadSettingsFile(const QString& path, const SettingsFile& defaults, const QStringList& keys,
                      const SettingsValueHandler& onValue);

// Value helpers shared by the readers.
// Exactly "True" is true; anything else is false.
inline bool SettingsTruth(const QString& value) {
    return value == QLatin1String("True");
}
// The value as a number rounded to a whole number (halves to the even neighbour); nothing
// when it is not a number or does not fit 32 bits.
std::optional<int32_t> SettingsWholeNumber(const QString& value);
// The index of `value` among the decimal texts of `allowed`, compared as text (so " 90" or
// "090" match nothing); -1 when none matches.
int SettingsTextIndex(const QString& value, const std::vector<int>& allowed);
