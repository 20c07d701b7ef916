#pragma once

#include "listing/settings_list.h"

#include <QDialog>

#include <vector>

namespace rc::shell {

// What differs between the open image and another file, read-only: area, item, the value here and
// the value there, as `rcedit --diff` lists it, or a line that says the two are the same.
class frmCompare : public QDialog {
    Q_OBJECT
public:
    frmCompare(const QString& otherFile, const std::vector<listing::SettingChange>& changes,
               QWidget* parent = nullptr);
};

} // namespace rc::shell
