#include "frame/WindowSettings.h"

#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

SettingsReader& SettingsReader::text(const QString& key, std::function<void(const QString&)> use) {
    handlers_.emplace_back(key, std::move(use));
    return *this;
}

SettingsReader& SettingsReader::number(const QString& key, int32_t lo, int32_t hi, int32_t fallback,
                                       std::function<void(int32_t)> use) {
    return text(key, [=](const QString& value) {
        const auto v = SettingsWholeNumber(value);
        use(v && *v >= lo && *v <= hi ? *v : fallback);
    });
}

SettingsReader& SettingsReader::number(const QString& key, int32_t lo, int32_t hi, int32_t fallback,
                                       int32_t& target) {
    return number(key, lo, hi, fallback, [&target](int32_t v) { target = v; });
}

SettingsReader& SettingsReader::choice(const QString& key, std::vector<int> allowed, int fallback,
                                       std::function<void(int)> use) {
    return text(key, [=](const QString& value) {
        const int i = SettingsTextIndex(value, allowed);
        use(i < 0 ? fallback : allowed[size_t(i)]);
    });
}

SettingsReader& SettingsReader::flag(const QString& key, std::function<void(bool)> use) {
    return text(key, [=](const QString& value) { use(SettingsTruth(value)); });
}

SettingsReader& SettingsReader::flag(const QString& key, bool& target) {
    return flag(key, [&target](bool v) { target = v; });
}

QStringList SettingsReader::keys() const {
    QStringList out;
    for (const auto& [key, use] : handlers_)
        if (!out.contains(key)) out << key;
    return out;
}

void SettingsReader::handle(const QString& key, const QString& value) const {
    for (const auto& [k, use] : handlers_)
        if (k == key) use(value);
}

void SettingsReader::apply(const QByteArray& text) const {
    ReadSettingsText(text, keys(), [this](const QString& k, const QString& v) { handle(k, v); });
}

bool SettingsReader::read(const QString& path) const {
    return ReadSettingsFile(path, keys(),
                            [this](const QString& k, const QString& v) { handle(k, v); });
}

bool SettingsReader::load(const QString& path, const SettingsFile& defaults) const {
    return LoadSettingsFile(path, defaults, keys(),
                            [this](const QString& k, const QString& v) { handle(k, v); });
}

WindowGeometry GeometryOf(const QWidget& w) {
    WindowGeometry g;
    const Qt::WindowStates s = w.windowState();
    g.state = s & Qt::WindowMaximized   ? WindowMaximised
              : s & Qt::WindowMinimized ? WindowMinimised
                                        : WindowNormal;
    g.width = PxToTw(w.width());
    g.height = PxToTw(w.height());
    return g;
}

int StoredState(const WindowGeometry& g) {
    return g.state == WindowMaximised ? WindowMaximised : WindowNormal;
}
int StoredWidth(const WindowGeometry& g, QSize design) {
    return g.state == WindowMaximised ? design.width() : g.width;
}
int StoredHeight(const WindowGeometry& g, QSize design) {
    return g.state == WindowMaximised ? design.height() : g.height;
}

SettingsFile& AddWindowBlocks(SettingsFile& file, const WindowGeometry& g, QSize design) {
    return file.addNumber(kStateKey, StoredState(g))
        .addNumber(kWidthKey, StoredWidth(g, design))
        .addNumber(kHeightKey, StoredHeight(g, design));
}

bool ScreenHolds(int twips, Qt::Orientation along) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize most = screen ? screen->availableGeometry().size() : QSize(4096, 4096);
    return twips > 0 && Tw(twips) <= (along == Qt::Horizontal ? most.width() : most.height());
}

SettingsReader& ReadWindowBlocks(SettingsReader& reader, QWidget& window) {
    QWidget* w = &window;
    reader.text(kStateKey, [w](const QString& value) {
        const auto state = SettingsWholeNumber(value);
        if (!state || *state < WindowNormal || *state > WindowMaximised) return;
        w->setWindowState(*state == WindowMaximised ? Qt::WindowMaximized : Qt::WindowNoState);
    });
    auto size = [w](Qt::Orientation along) {
        return [w, along](const QString& value) {
            if (w->isMaximized()) return;
            const auto twips = SettingsWholeNumber(value);
            if (!twips || !ScreenHolds(*twips, along)) return;
            along == Qt::Horizontal ? w->resize(Tw(*twips), w->height())
                                    : w->resize(w->width(), Tw(*twips));
        };
    };
    reader.text(kWidthKey, size(Qt::Horizontal));
    reader.text(kHeightKey, size(Qt::Vertical));
    return reader;
}
