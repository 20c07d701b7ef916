#pragma once

#include "image/editor_state.h"
#include "image/messages.h"
#include "shell/file_commands.h"
#include "shell/history.h"

#include <QDialog>

#include <vector>

class QChart;
class QListWidget;
class QPushButton;
class QTableWidget;
class QLabel;

namespace rc::shell {

// The copies kept of the open file, oldest first: a table of what changed from one to the next and
// a plot of how far each usage counter rose between them. The selected copy can be compared with
// the open image or written out under a name the user picks.
class frmHistory : public QDialog {
    Q_OBJECT
public:
    frmHistory(const EditorState& state, IFileDialogs& dialogs, IMessages& messages,
               QWidget* parent = nullptr);

private:
    const HistoryRow* Selected() const;
    void CompareSelected();
    void SaveSelected();
    void ShowCounters();

    const EditorState& state_;
    IFileDialogs& dialogs_;
    IMessages& messages_;
    std::vector<HistoryRow> rows_;
    QTableWidget* table_ = nullptr;
    QListWidget* counters_ = nullptr;
    QChart* chart_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* compare_ = nullptr;
    QPushButton* save_ = nullptr;
};

} // namespace rc::shell
