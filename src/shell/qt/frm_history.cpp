#include "shell/qt/frm_history.h"

#include "desktop/qt/centre_on_screen.h"
#include "files/backups.h"
#include "image/image_file.h"
#include "listing/settings_list.h"
#include "shell/qt/frm_compare.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <filesystem>

namespace rc::shell {

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// The plot: one line a counter, a point for each copy that had an earlier one to compare with.
QChart* CounterChart(const std::vector<HistoryRow>& rows) {
    auto* chart = new QChart;
    chart->setObjectName("chtCounters");
    chart->legend()->setAlignment(Qt::AlignRight);
    auto* x = new QDateTimeAxis;
    x->setFormat("yyyy-MM-dd");
    x->setTitleText("Copy kept");
    auto* y = new QValueAxis;
    y->setLabelFormat("%d");
    y->setTitleText("Rise since the previous copy");
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    std::vector<const HistoryRow*> compared;
    for (const HistoryRow& row : rows)
        if (!row.first && row.unreadable.empty())
            compared.push_back(&row);
    qint64 first =
        compared.empty() ? QDateTime::currentMSecsSinceEpoch() : compared.front()->copy.when * 1000LL;
    qint64 last = compared.empty() ? first : compared.back()->copy.when * 1000LL;
    int highest = 1;
    for (std::size_t i = 0; i < kStatCount; ++i) {
        auto* series = new QLineSeries;
        series->setName(Text(StatLabel(static_cast<int>(i))));
        series->setPointsVisible(true);
        for (const HistoryRow* row : compared) {
            series->append(double(row->copy.when) * 1000, row->rise[i]);
            highest = std::max(highest, row->rise[i]);
        }
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    // A single day still spans the axis.
    constexpr qint64 kDay = 24 * 3600 * 1000LL;
    if (last - first < kDay) {
        first -= kDay / 2;
        last += kDay / 2;
    }
    x->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    // Copies a few hours apart are told apart by their time.
    if (last - first < 3 * kDay) {
        x->setFormat("yyyy-MM-dd hh:mm");
        x->setTickCount(4);
    }
    y->setRange(0, highest);
    // Counts are whole numbers: a small range gets a tick for each, a larger one round steps.
    if (highest <= 5)
        y->setTickCount(highest + 1);
    else
        y->applyNiceNumbers();
    return chart;
}

} // namespace

frmHistory::frmHistory(const EditorState& state, IFileDialogs& dialogs, IMessages& messages, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs), messages_(messages),
      rows_(ReadHistory(HistoryCopies(state.SavePath))) {
    setObjectName("frmHistory");
    const QString file = QFileInfo(Text(state.SavePath)).fileName();
    setWindowTitle("History of " + file);
    auto* layout = new QVBoxLayout(this);

    auto* summary = new QLabel(this);
    summary->setObjectName("lblSummary");
    summary->setTextFormat(Qt::PlainText);
    summary->setWordWrap(true);
    summary->setText(rows_.empty()
                         ? QString("No copies of %1 are kept in %2.").arg(file, Text(BackupFolder()))
                         : QString("%1 %2 of %3 kept in %4, oldest first:")
                               .arg(rows_.size())
                               .arg(rows_.size() == 1 ? "copy" : "copies")
                               .arg(file, Text(BackupFolder())));
    layout->addWidget(summary);

    table_ = new QTableWidget(static_cast<int>(rows_.size()), 5, this);
    table_->setObjectName("tblHistory");
    table_->setHorizontalHeaderLabels({"Date and Time", "Direction", "Copy", "Settings", "Counters"});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->setVisible(false);
    // One line a copy, so that many copies show at once.
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    for (int r = 0; r < table_->rowCount(); ++r) {
        const HistoryRow& row = rows_[static_cast<std::size_t>(r)];
        const QString texts[] = {Text(HistoryTime(row.copy.when)), Text(row.copy.direction),
                                 Text(std::filesystem::path(row.copy.path).filename().string()),
                                 Text(SettingsChangedText(row)),
                                 Text(row.unreadable.empty() ? CountersText(row) : row.unreadable)};
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setToolTip(c == 2 ? Text(row.copy.path) : texts[c]);
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    // The counters take the width that is left; a long list is cut, and its tip shows it whole.
    table_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    layout->addWidget(table_, 3);

    auto* plot = new QHBoxLayout;
    counters_ = new QListWidget(this);
    counters_->setObjectName("lstCounters");
    for (int i = 0; i < kStatCount; ++i) {
        auto* item = new QListWidgetItem(Text(StatLabel(i)), counters_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Checked);
    }
    counters_->setFixedWidth(counters_->sizeHintForColumn(0) + 2 * counters_->frameWidth() + 8);
    connect(counters_, &QListWidget::itemChanged, this, &frmHistory::ShowCounters);
    plot->addWidget(counters_);
    chart_ = CounterChart(rows_);
    auto* view = new QChartView(chart_, this);
    view->setObjectName("chvCounters");
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(300);
    plot->addWidget(view, 1);
    layout->addLayout(plot, 4);

    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    status_->setTextFormat(Qt::PlainText);
    layout->addWidget(status_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName("cmdButtons");
    compare_ = buttons->addButton("Compare", QDialogButtonBox::ActionRole);
    compare_->setObjectName("cmdCompare");
    save_ = buttons->addButton("Save a Copy As...", QDialogButtonBox::ActionRole);
    save_->setObjectName("cmdSaveCopy");
    buttons->button(QDialogButtonBox::Close)->setObjectName("cmdClose");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(compare_, &QPushButton::clicked, this, &frmHistory::CompareSelected);
    connect(save_, &QPushButton::clicked, this, &frmHistory::SaveSelected);
    layout->addWidget(buttons);

    auto update = [this] {
        const bool readable = Selected() != nullptr;
        compare_->setEnabled(readable);
        save_->setEnabled(readable);
    };
    connect(table_, &QTableWidget::itemSelectionChanged, this, update);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &frmHistory::CompareSelected);
    if (table_->rowCount())
        table_->selectRow(table_->rowCount() - 1);
    update();
    resize(960, 680);
    CentreOnScreen(this);
}

const HistoryRow* frmHistory::Selected() const {
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    if (items.isEmpty())
        return nullptr;
    const HistoryRow& row = rows_[static_cast<std::size_t>(items.front()->row())];
    return row.image ? &row : nullptr;
}

void frmHistory::CompareSelected() {
    if (const HistoryRow* row = Selected()) {
        frmCompare dialog(Text(row->copy.path), listing::DiffSettings(state_.image, *row->image), this);
        dialog.exec();
    }
}

void frmHistory::SaveSelected() {
    const HistoryRow* row = Selected();
    if (!row)
        return;
    FileDialogSpec spec{kSaveFilter, 1, {}};
    if (!state_.SavePath.empty())
        spec.folder = std::filesystem::path(state_.SavePath).parent_path().string();
    const std::optional<std::string> path = dialogs_.ShowSave(spec);
    if (!path)
        return;
    if (!HasImageExtension(*path)) {
        messages_.Show(SaveExtensionErrorMessage());
        return;
    }
    const WriteResult written = WriteImageFile(*path, *row->image);
    if (!written.ok) {
        messages_.Show(WriteFailureMessage(*path, written.reason));
        return;
    }
    status_->setText(
        QString("The copy of %1 is saved as %2.").arg(Text(HistoryTime(row->copy.when)), Text(*path)));
}

void frmHistory::ShowCounters() {
    const QList<QAbstractSeries*> series = chart_->series();
    for (int i = 0; i < counters_->count() && i < series.size(); ++i)
        series[i]->setVisible(counters_->item(i)->checkState() == Qt::Checked);
}

} // namespace rc::shell
