#pragma once

class QDialog;
class QHBoxLayout;

namespace rc::link {

// The OK and Cancel row of the setup dialogs: right-aligned, OK the default, accepting and rejecting
// the dialog.
QHBoxLayout* OkCancelRow(QDialog* dialog);

} // namespace rc::link
