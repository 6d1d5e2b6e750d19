#include "platform/LoadableModule.h"

#include <QCoreApplication>
#include <QLibrary>
#include <map>
#include <memory>

namespace platform {

void* ModuleEntry(const char* module, const char* entry, QString* error) {
    static std::map<QString, std::unique_ptr<QLibrary>> libraries;
    auto& library = libraries[QString::fromLatin1(module)];
    if (!library) {
        // Only the program's own folder: never a module found on a search path.
        library = std::make_unique<QLibrary>(QCoreApplication::applicationDirPath() +
                                             QStringLiteral("/lib") + QString::fromLatin1(module));
    }
    if (!library->isLoaded() && !library->load()) {
        if (error) *error = library->errorString();
        return nullptr;
    }
    void* address = reinterpret_cast<void*>(library->resolve(entry));
    if (!address && error) *error = library->errorString();
    return address;
}

} // namespace platform
