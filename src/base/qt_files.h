// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstddef>

namespace stratavex {

// True when the path names a regular file, or a link to one, of at most
// `largest` bytes. Qt's readers open and read whatever they are given: a pipe
// would keep them waiting for ever and a device would never end, so every
// file goes through this check before a Qt reader sees its name.
bool isFileWithin(const QString& path, std::size_t largest);

// Caps the memory a decoded picture may take (largestDecodedPictureMegabytes),
// for every picture the program reads. Called once at start-up.
void limitPictureDecoding();

} // namespace stratavex
