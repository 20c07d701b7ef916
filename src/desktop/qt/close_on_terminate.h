#pragma once

class QWidget;

namespace rc {

// Closes `window` as if the user had, when the program is asked to end (SIGTERM, SIGHUP: a session
// that ends, `kill`), so its settings are saved and unsaved edits are asked about. Call once.
void CloseOnTerminate(QWidget* window);

} // namespace rc
