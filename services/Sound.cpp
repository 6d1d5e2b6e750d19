#include "services/Sound.h"

#include "platform/Audio.h"
#include "platform/MessageBox.h"
#include "platform/WebOpener.h"
#include "services/SharedState.h"

#include <QPointer>
#include <QWidget>

void PlayWaveFile(const QString& path) {
    platform::Audio().playWave(path);
}

int PlayMusic() {
    return platform::Audio().playMidi(Shared().ProgramFolder + "Halvik.MID");
}

int StopMusic() {
    return platform::Audio().stopMidi();
}

void PlaySound(const QString& fileName) {
    if (Shared().SoundsOn) PlayWaveFile(Shared().ProgramFolder + fileName);
}

void OpenWebPage(QWidget* window, const QString& url) {
    QPointer<QWidget> owner(window);
    const QString title = Shared().GameTitle;
    platform::OpenUrl(url, [owner, title, url](platform::OpenFailure f) {
        const QString text = f == platform::OpenFailure::NoOpener
                                 ? QStringLiteral("Unable to find default web Browser")
                                 : QStringLiteral("Unable to open web page '") + url + "'.";
        platform::MsgBox(text, platform::Buttons::OK, platform::Icon::Exclamation, title,
                         owner.data());
    });
}
