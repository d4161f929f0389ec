#pragma once

#include <QObject>
#include <QPluginLoader>

// A Qt plugin module beside the running executable (links resolved): the
// same folder, and so the same owner and signature, as the program running.
// It is loaded once and stays until the process ends.
namespace SiblingModule {

// Opens the module's file now, and keeps it open, so that a later load
// reads the file that sat beside the executable at start, not one an
// upgrade has since renamed into its place. Call at start, once per module.
void reserve(const char* fileName);

// The root object of the module `fileName` (the reserved file when there is
// one), which the caller casts to the interface it expects: Qt checks the
// module's Qt version and build, and the cast its interface id. Null, with
// the reason on standard error, when the module cannot be loaded.
QObject* instance(const char* fileName);

void reportOtherVersion(const char* fileName);

// The module's root object as `Interface`; null, with the reason on
// standard error, when it cannot be loaded or is of another version.
template <typename Interface> Interface* load(const char* fileName)
{
    QObject* root = instance(fileName);
    auto* found = qobject_cast<Interface*>(root);
    if (root && !found) reportOtherVersion(fileName);
    return found;
}
// The plugin of `Interface` linked into the program, if there is one.
template <typename Interface> Interface* linkedIn()
{
    for (QObject* plugin : QPluginLoader::staticInstances())
        if (auto* found = qobject_cast<Interface*>(plugin)) return found;
    return nullptr;
}

// The plugin of `Interface` linked into the program, else the module
// `fileName` beside the executable (none where there are no modules).
template <typename Interface> Interface* linkedInOrLoad(const char* fileName)
{
    if (Interface* found = linkedIn<Interface>()) return found;
    return fileName ? load<Interface>(fileName) : nullptr;
}

} // namespace SiblingModule
