// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace stratavex {

// SIGTERM, SIGINT and the end of the desktop session close the window the same
// way Quit does, so its unload still saves the configuration; then the
// program leaves its event loops and exits normally.
void closeOnShutdown(QWidget& window);

} // namespace stratavex
