#include "desktop/qt/help_viewer.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace rc {

frmHelp::frmHelp(const HelpBook& book, QWidget* parent) : QWidget(parent, Qt::Window), book_(book) {
    setObjectName("frmHelp");
    setWindowTitle(QString::fromStdString(book_.caption));
    resize(760, 540);

    auto* splitter = new QSplitter(this);
    tabs_ = new QTabWidget(splitter);
    tabs_->setObjectName("tabHelp");

    lstContents_ = new QListWidget;
    lstContents_->setObjectName("lstContents");
    for (const HelpPage& page : book_.pages) {
        auto* item = new QListWidgetItem(page.title, lstContents_);
        item->setData(Qt::UserRole, QString(page.file));
    }
    tabs_->addTab(lstContents_, "Contents");

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    txtKeyword_ = new QLineEdit;
    txtKeyword_->setObjectName("txtKeyword");
    txtKeyword_->setPlaceholderText("Type a word to find");
    lstKeywords_ = new QListWidget;
    lstKeywords_->setObjectName("lstKeywords");
    indexLayout->addWidget(txtKeyword_);
    indexLayout->addWidget(lstKeywords_);
    tabs_->addTab(indexPage, "Index");

    txtTopic_ = new QTextBrowser(splitter);
    txtTopic_->setObjectName("txtTopic");
    txtTopic_->setOpenExternalLinks(true);
    // The pages share one style sheet; the browser applies it to every page it loads.
    QFile css(QString::fromStdString(book_.root) + "help.css");
    if (css.open(QIODevice::ReadOnly))
        txtTopic_->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({220, 540});

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    connect(lstContents_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (const HelpPage* page = book_.Find(item->data(Qt::UserRole).toString().toStdString()))
            ShowPage(*page);
    });
    connect(lstContents_, &QListWidget::itemClicked, lstContents_, &QListWidget::itemActivated);
    connect(txtKeyword_, &QLineEdit::textChanged, this, &frmHelp::FillKeywords);
    connect(txtKeyword_, &QLineEdit::returnPressed, this, [this] { OpenKeyword(0); });
    connect(lstKeywords_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenKeyword(lstKeywords_->row(item)); });
    connect(lstKeywords_, &QListWidget::itemClicked, lstKeywords_, &QListWidget::itemActivated);
    connect(txtTopic_, &QTextBrowser::sourceChanged, this, &frmHelp::SourceChanged);
    FillKeywords({});
}

void frmHelp::ShowPage(const HelpPage& page) {
    txtTopic_->setSource(QUrl("qrc" + QString::fromStdString(book_.root) + page.file));
}

void frmHelp::ShowIndex() {
    tabs_->setCurrentIndex(1);
    txtKeyword_->setFocus();
    txtKeyword_->selectAll();
}

QString frmHelp::CurrentFile() const {
    return txtTopic_->source().fileName();
}

QStringList frmHelp::ListedKeywords() const {
    QStringList words;
    for (const HelpIndexEntry& e : listed_)
        words << QString::fromStdString(e.keyword);
    return words;
}

void frmHelp::FillKeywords(const QString& text) {
    listed_ = book_.Match(text.trimmed().toStdString());
    lstKeywords_->clear();
    for (const HelpIndexEntry& e : listed_)
        lstKeywords_->addItem(QString::fromStdString(e.keyword) + "  (" + e.page->title + ")");
    if (!listed_.empty())
        lstKeywords_->setCurrentRow(0);
}

void frmHelp::OpenKeyword(int row) {
    if (row >= 0 && row < static_cast<int>(listed_.size()))
        ShowPage(*listed_[static_cast<std::size_t>(row)].page);
}

void frmHelp::SourceChanged(const QUrl& url) {
    // The browser announces the new page before source() returns it.
    const HelpPage* page = book_.Find(url.fileName().toStdString());
    const QString caption = QString::fromStdString(book_.caption);
    setWindowTitle(page ? caption + " - " + page->title : caption);
    for (int i = 0; page && i < lstContents_->count(); ++i)
        if (lstContents_->item(i)->data(Qt::UserRole).toString() == page->file)
            lstContents_->setCurrentRow(i);
}

HelpViewer::~HelpViewer() {
    if (window_ && !window_->parentWidget())
        delete window_;
}

void HelpViewer::Adopt(QWidget* parent) {
    if (!window_ || window_->parentWidget() == parent)
        return;
    if (QWidget* old = window_->parentWidget(); old && old != owner_)
        old->removeEventFilter(this);
    bool shown = window_->isVisible();
    QRect where = window_->geometry();
    window_->setParent(parent, Qt::Window);
    window_->setGeometry(where);
    // Back from a dialog that closed, the window stays open under the main window.
    if (parent && parent != owner_)
        parent->installEventFilter(this);
    if (shown)
        window_->show();
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && window_ && watched == window_->parentWidget()) {
        // Out from under the closing dialog at once, since it may be destroyed next; then over
        // the dialog it returns to, if any, so the window is not blocked by that one.
        Adopt(owner_);
        QTimer::singleShot(0, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (window_ && modal && modal != window_)
                Adopt(modal);
        });
    }
    return QObject::eventFilter(watched, event);
}

frmHelp* HelpViewer::Prepare() {
    // A window that belongs to the open modal dialog takes input while the dialog is open.
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = owner_;
    if (!window_) {
        window_ = new frmHelp(book_, parent);
        if (parent && parent != owner_)
            parent->installEventFilter(this);
    } else {
        Adopt(parent);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_;
}

void HelpViewer::ShowContext(int context) {
    Prepare()->ShowPage(book_.PageForContext(context));
}

void HelpViewer::ShowContents() {
    Prepare()->ShowPage(book_.Contents());
}

void HelpViewer::ShowSearch() {
    frmHelp* w = Prepare();
    if (w->CurrentFile().isEmpty())
        w->ShowPage(book_.Contents());
    w->ShowIndex();
}

} // namespace rc
