#pragma once

#include <QString>

// The running application's bundle: Horavia.app/Contents/ holds the executable
// and Contents/Resources/ the data files shipped with it.
namespace Bundle {

// The folder of shipped resources, found relative to the running executable
// (on Linux also before the QCoreApplication exists; elsewhere it needs one).
QString resourcesDirectory();

// resourcesDirectory()/name.extension
QString resourcePath(const QString& name, const QString& extension);

} // namespace Bundle
