// SPDX-License-Identifier: MIT
#include "base/qt_files.h"

#include "base/file_limits.h"

#include <QFileInfo>
#include <QImageReader>

namespace stratavex {

bool isFileWithin(const QString& path, std::size_t largest) {
    const QFileInfo info(path);
    return info.isFile() && info.size() >= 0 && static_cast<std::size_t>(info.size()) <= largest;
}

void limitPictureDecoding() {
    QImageReader::setAllocationLimit(largestDecodedPictureMegabytes);
}

} // namespace stratavex
