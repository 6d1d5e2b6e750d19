#include "frame/SettingsTable.h"

#include "services/SharedState.h"

#include <cstdlib>

namespace {
SettingRow bound(const QString& key, SettingRow::Kind kind, int32_t& variable,
                 int32_t defaultValue) {
    SettingRow r;
    r.key = key;
    r.kind = kind;
    r.get = [&variable] { return variable; };
    r.set = [&variable](int32_t v) { variable = v; };
    r.defaultValue = defaultValue;
    r.fallback = defaultValue;
    return r;
}
} // namespace

SettingRow SettingNumber(const QString& key, int32_t& variable, int32_t defaultValue, int32_t low,
                         int32_t high) {
    SettingRow r = bound(key, SettingRow::Kind::Number, variable, defaultValue);
    r.low = low;
    r.high = high;
    return r;
}

SettingRow SettingChoice(const QString& key, int32_t& variable, int32_t defaultValue,
                         std::vector<int> choices) {
    SettingRow r = bound(key, SettingRow::Kind::Choice, variable, defaultValue);
    r.choices = std::move(choices);
    return r;
}

SettingRow SettingFlag(const QString& key, bool& variable, bool defaultValue) {
    SettingRow r;
    r.key = key;
    r.kind = SettingRow::Kind::Flag;
    r.get = [&variable] { return variable ? 1 : 0; };
    r.set = [&variable](int32_t v) { variable = v != 0; };
    r.defaultValue = defaultValue ? 1 : 0;
    r.fallback = 0; // any text but "True"
    return r;
}

SettingRow SettingNumberVia(const QString& key, std::function<int32_t()> get,
                            std::function<void(int32_t)> set, int32_t defaultValue, int32_t low,
                            int32_t high) {
    SettingRow r;
    r.key = key;
    r.get = std::move(get);
    r.set = std::move(set);
    r.defaultValue = defaultValue;
    r.fallback = defaultValue;
    r.low = low;
    r.high = high;
    return r;
}

SettingRow WindowBlocks() {
    SettingRow r;
    r.kind = SettingRow::Kind::WindowBlocks;
    return r;
}

SettingRow WindowBlock(const QString& key) {
    SettingRow r = WindowBlocks();
    r.key = key;
    return r;
}

SettingsTable::SettingsTable(std::vector<SettingRow> rows, QSize designSize, QString fileName,
                             bool extraLineEnd)
    : rows_(std::move(rows)), designSize_(designSize), fileName_(std::move(fileName)),
      extraLineEnd_(extraLineEnd) {}

const SettingRow& SettingsTable::row(const QString& key) const {
    for (const SettingRow& r : rows_)
        if (r.key == key) return r;
    std::abort(); // a key the game's own code names: a typing fault, caught by any test
}

QString SettingsTable::path() const {
    return Shared().ProgramFolder + fileName_;
}

void SettingsTable::resetDefaults() const {
    for (const SettingRow& r : rows_)
        if (r.set) r.set(r.defaultValue);
}

bool SettingsTable::isCustom() const {
    for (const SettingRow& r : rows_) {
        if (!r.custom || r.get() == r.defaultValue) continue;
        if (r.customWhile.isEmpty() || (value(r.customWhile) != 0) == r.customWhileOn) return true;
    }
    return false;
}

SettingsFile SettingsTable::build(const WindowGeometry& window, bool defaults) const {
    SettingsFile f;
    for (const SettingRow& r : rows_) {
        if (r.kind == SettingRow::Kind::WindowBlocks) {
            if (r.key.isEmpty())
                AddWindowBlocks(f, window, designSize_);
            else
                f.addNumber(r.key, r.key == kStateKey   ? StoredState(window)
                                   : r.key == kWidthKey ? StoredWidth(window, designSize_)
                                                        : StoredHeight(window, designSize_));
            continue;
        }
        const int32_t v = defaults ? r.defaultValue : r.get();
        if (r.kind == SettingRow::Kind::Flag)
            f.addFlag(r.key, v != 0);
        else if (r.blank && v >= 0)
            f.add(r.key, QLatin1Char(' ') + QString::number(v));
        else
            f.addNumber(r.key, v);
    }
    f.endWithExtraLineEnd(extraLineEnd_);
    return f;
}

SettingsFile SettingsTable::file(const WindowGeometry& window) const {
    return build(window, false);
}

SettingsFile SettingsTable::defaultsFile(const WindowGeometry& window) const {
    return build(window, true);
}

SettingsReader& SettingsTable::addKeys(SettingsReader& reader, const SettingsHooks& hooks) const {
    QStringList added;
    for (const SettingRow& r : rows_) {
        if (r.kind == SettingRow::Kind::WindowBlocks) continue;
        // A key written twice is read once: each block of it the file holds applies in turn.
        if (added.contains(r.key)) continue;
        added << r.key;
        const auto hook = hooks.find(r.key);
        std::function<void(int32_t)> after =
            hook == hooks.end() ? std::function<void(int32_t)>() : hook->second;
        auto use = [set = r.set, after](int32_t v) {
            set(v);
            if (after) after(v);
        };
        switch (r.kind) {
        case SettingRow::Kind::Number:
            if (r.keepOnBad)
                reader.text(r.key, [lo = r.low, hi = r.high, use](const QString& text) {
                    const auto v = SettingsWholeNumber(text);
                    if (v && *v >= lo && *v <= hi) use(*v);
                });
            else
                reader.number(r.key, r.low, r.high, r.fallback, use);
            break;
        case SettingRow::Kind::Choice:
            if (r.keepOnBad)
                reader.text(r.key, [choices = r.choices, use](const QString& text) {
                    const int i = SettingsTextIndex(text, choices);
                    if (i >= 0) use(choices[size_t(i)]);
                });
            else
                reader.choice(r.key, r.choices, r.fallback, use);
            break;
        case SettingRow::Kind::Flag:
            // "True" or "False"; any other text gives the fallback (false unless set).
            reader.text(r.key, [use, fallback = r.fallback](const QString& v) {
                use(v == QLatin1String("True") ? 1 : v == QLatin1String("False") ? 0 : fallback);
            });
            break;
        case SettingRow::Kind::WindowBlocks:
            break;
        }
    }
    return reader;
}

void SettingsTable::apply(const QByteArray& text, const SettingsHooks& hooks) const {
    SettingsReader reader;
    addKeys(reader, hooks).apply(text);
}
