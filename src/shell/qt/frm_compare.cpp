#include "shell/qt/frm_compare.h"

#include "desktop/qt/centre_on_screen.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace rc::shell {

namespace {

// Each column as wide as its longest text but no wider than its share of the table, whatever the
// window's size, so that a long item (the bits of a setting listed by address) never pushes both
// values out of view.
class ChangesTable : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QTableWidget::resizeEvent(event);
        constexpr double kShare[] = {0.18, 0.3, 0.26, 0.26};
        // Room beside the frame and the vertical scroll bar, shown or not.
        const int room =
            width() - 2 * frameWidth() - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        resizeColumnsToContents();
        for (int c = 0; c < columnCount(); ++c)
            setColumnWidth(c, std::min(columnWidth(c), static_cast<int>(room * kShare[c])));
    }
};

} // namespace

frmCompare::frmCompare(const QString& otherFile, const std::vector<listing::SettingChange>& changes,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmCompare");
    setWindowTitle("Compare With " + QFileInfo(otherFile).fileName());
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(this);
    summary->setObjectName("lblSummary");
    summary->setTextFormat(Qt::PlainText);
    summary->setWordWrap(true);
    layout->addWidget(summary);
    if (changes.empty()) {
        summary->setText("The open image and " + otherFile + " hold the same settings, byte for byte.");
    } else {
        summary->setText(QString("%1 %2 between the open image and %3:")
                             .arg(changes.size())
                             .arg(changes.size() == 1 ? "difference" : "differences")
                             .arg(otherFile));
        auto* table = new ChangesTable(static_cast<int>(changes.size()), 4, this);
        table->setObjectName("tblChanges");
        table->setHorizontalHeaderLabels({"Area", "Item", "This image", "Other file"});
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->verticalHeader()->setVisible(false);
        // A cell too long for its column is cut short; its whole text is its tooltip.
        auto cell = [](const std::string& text) {
            auto* item = new QTableWidgetItem(QString::fromStdString(text));
            item->setToolTip(item->text());
            return item;
        };
        table->setWordWrap(false);
        table->setTextElideMode(Qt::ElideMiddle);
        for (int row = 0; row < table->rowCount(); ++row) {
            const listing::SettingChange& c = changes[static_cast<std::size_t>(row)];
            table->setItem(row, 0, cell(c.area));
            table->setItem(row, 1, cell(c.item));
            // The values as the listing shows them, so that "(none)" and a blank at either end show.
            table->setItem(row, 2, cell(listing::ShownValue(c.oldValue)));
            table->setItem(row, 3, cell(listing::ShownValue(c.newValue)));
        }
        table->horizontalHeader()->setStretchLastSection(true);
        layout->addWidget(table, 1);
        resize(820, 480);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName("cmdClose");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    CentreOnScreen(this);
}

} // namespace rc::shell
