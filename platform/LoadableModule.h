#pragma once
// Modules of the program that are loaded when first needed (the audio and mail stacks), so
// that the launcher starts without them. They live beside the executable.

#include <QString>

namespace platform {

// The address of `entry` in the module, loading it on first use; nullptr (with a description
// in `error`) when the module or the entry cannot be found. A loaded module stays loaded.
void* ModuleEntry(const char* module, const char* entry, QString* error = nullptr);

template <typename Fn>
Fn ResolveModuleEntry(const char* module, const char* entry, QString* error = nullptr) {
    return reinterpret_cast<Fn>(ModuleEntry(module, entry, error));
}

} // namespace platform
