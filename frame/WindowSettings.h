#pragma once
// The parts of a game's settings file that every window shares.
//
// SettingsReader: each key's value is taken when it is readable and in range, else the key's
// default, and every key is read on its own, so one bad value never stops the rest.
//
// The window blocks "[State]", "[Width]" and "[Height]" (sizes in twips): a maximised window
// is stored with the game's design size, so that a restore brings it back at that size; a
// window stored minimised opens normal; a stored size the screen cannot hold is passed over,
// so the window keeps its default size (and stores that at the quit).

#include "services/SettingsFile.h"

#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

class SettingsReader {
  public:
    // A whole number from lo to hi.
    SettingsReader& number(const QString& key, int32_t lo, int32_t hi, int32_t fallback,
                           std::function<void(int32_t)> use);
    SettingsReader& number(const QString& key, int32_t lo, int32_t hi, int32_t fallback,
                           int32_t& target);
    // One of the `allowed` values, compared as text ("090" is none of them).
    SettingsReader& choice(const QString& key, std::vector<int> allowed, int fallback,
                           std::function<void(int)> use);
    // Exactly "True" is true, anything else false.
    SettingsReader& flag(const QString& key, std::function<void(bool)> use);
    SettingsReader& flag(const QString& key, bool& target);
    // Any other handling of a key's text.
    SettingsReader& text(const QString& key, std::function<void(const QString&)> use);

    QStringList keys() const;
    void apply(const QByteArray& text) const;
    bool read(const QString& path) const;
    // A missing file is first written with `defaults` (quietly), then read.
    bool load(const QString& path, const SettingsFile& defaults) const;

  private:
    void handle(const QString& key, const QString& value) const;
    std::vector<std::pair<QString, std::function<void(const QString&)>>> handlers_;
};

enum StoredWindowState { WindowNormal = 0, WindowMinimised = 1, WindowMaximised = 2 };

struct WindowGeometry {
    int state = WindowNormal;
    int width = 0; // outer size in twips
    int height = 0;
};
WindowGeometry GeometryOf(const QWidget& window);

inline const QString kStateKey = QStringLiteral("[State]");
inline const QString kWidthKey = QStringLiteral("[Width]");
inline const QString kHeightKey = QStringLiteral("[Height]");

// What the three blocks store; `design` is the game's design size in twips.
int StoredState(const WindowGeometry& g);
int StoredWidth(const WindowGeometry& g, QSize design);
int StoredHeight(const WindowGeometry& g, QSize design);
// The three blocks in this order.
SettingsFile& AddWindowBlocks(SettingsFile& file, const WindowGeometry& g, QSize design);

// Whether a stored width or height (twips) is positive and fits the screen.
bool ScreenHolds(int twips, Qt::Orientation along);

// Reads the three keys into the window: a state of 2 maximises it, 0 and 1 leave it normal;
// sizes the screen holds apply only to a window that is not maximised.
SettingsReader& ReadWindowBlocks(SettingsReader& reader, QWidget& window);
