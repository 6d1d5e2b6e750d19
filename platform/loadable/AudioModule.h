#pragma once
// What the audio module exports: one function that makes its backend. The module and the
// program are built together, so the backend crosses the boundary as a C++ object.

#include "platform/Audio.h"

#include <QtGlobal>

extern "C" {
using ParlovexCreateAudioBackendFn = platform::AudioBackend* (*)();
}

inline constexpr const char* kAudioModuleName = "parlovex_audio";
inline constexpr const char* kAudioModuleEntry = "ParlovexCreateAudioBackend";
