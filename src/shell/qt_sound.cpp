// SPDX-License-Identifier: MIT
#include "shell/qt_sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

namespace stratavex {
namespace {

// Where the module may be: beside the executable (the build's program folder,
// a portable copy) or in the installed program's library folder.
QStringList moduleFolders() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.path(),
            QDir::cleanPath(programFolder.filePath(QStringLiteral(STRATAVEX_SOUND_MODULE_RELDIR)))};
}

} // namespace

std::unique_ptr<SoundPlayer> loadSoundPlayer(QString& error) {
    QStringList reasons;
    for (const QString& folder : moduleFolders()) {
        QLibrary module(QDir(folder).filePath(QStringLiteral("stratavex_sound")));
        if (!module.load()) {
            reasons << module.errorString();
            continue;
        }
        // The module stays loaded for the rest of the run: QLibrary's
        // destructor does not unload it.
        const auto make = reinterpret_cast<MakeSoundPlayer>(module.resolve(makeSoundPlayerSymbol));
        if (make == nullptr) {
            reasons << module.errorString();
            continue;
        }
        return std::unique_ptr<SoundPlayer>(make());
    }
    error = reasons.join(QStringLiteral("; "));
    return nullptr;
}

} // namespace stratavex
