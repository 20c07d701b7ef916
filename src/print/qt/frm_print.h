#pragma once

#include "desktop/help.h"
#include "editors/qt/editor_dialog.h"
#include "image/editor_state.h"
#include "image/messages.h"
#include "print/document.h"
#include "print/qt/print_renderer.h"

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QPrinter;
class QPushButton;
class QTimer;

namespace rc::print {

// The system's printing windows: the printer dialog and the preview.
class IPrintService {
public:
    virtual ~IPrintService() = default;
    // Lets the user choose and set up the printer (or a file); false when cancelled.
    virtual bool SetUpPrinter(QPrinter& printer, QWidget* parent) = 0;
    // Shows a preview whose pages `paint` draws on the printer it is given.
    virtual void Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget* parent) = 0;
};

// QPrintDialog and QPrintPreviewDialog.
class QtPrintService : public IPrintService {
public:
    bool SetUpPrinter(QPrinter& printer, QWidget* parent) override;
    void Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget* parent) override;
};

inline constexpr int kPrintJobCount = 13;

// "Halden R8 Print Driver": the thirteen job boxes, the print and preview buttons and the message
// line. The main window keeps it; its ticks stay until a print run succeeds.
class frmPrint : public EditorDialog {
    Q_OBJECT
public:
    frmPrint(const EditorState& state, std::function<PrinterFont()> font, IMessages& messages,
             IPrintService& printing, IHelp* help, int helpContext, QWidget* parent = nullptr);

    // The print button's blink, every 500 ms.
    void Timer1_Timer();
    // The documents of the ticked jobs, in job order.
    std::vector<Document> SelectedDocuments() const;

protected:
    void Activate() override;
    void showEvent(QShowEvent* event) override;

private:
    void cmdPrint_Click();
    void cmdPreview_Click();
    void RecomputeSelected();
    bool CheckSelection();

    const EditorState& state_;
    std::function<PrinterFont()> font_;
    IMessages& messages_;
    IPrintService& printing_;
    std::array<QCheckBox*, kPrintJobCount> chkPrint_{};
    QPushButton* cmdPrint_ = nullptr;
    QLabel* lblAction_ = nullptr;
    QTimer* Timer1_ = nullptr;
    bool anySelected_ = false;
    bool blink_ = false;
};

} // namespace rc::print
