#include "desktop/qt/help_viewer.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace rc {

frmHelp::frmHelp(const HelpBook& book, QWidget* parent) : QWidget(parent, Qt::Window), book_(book) {
    setObjectName("frmHelp");
    setWindowTitle(QString::fromStdString(book_.caption));

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

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    txtSearch_ = new QLineEdit;
    txtSearch_->setObjectName("txtSearch");
    txtSearch_->setPlaceholderText("Type words to find on the pages");
    lstFound_ = new QListWidget;
    lstFound_->setObjectName("lstFound");
    searchLayout->addWidget(txtSearch_);
    searchLayout->addWidget(lstFound_);
    tabs_->addTab(searchPage, "Search");

    txtTopic_ = new QTextBrowser(splitter);
    txtTopic_->setObjectName("txtTopic");
    txtTopic_->setOpenExternalLinks(true);
    // The pages share one style sheet; the browser applies it to every page it loads.
    QFile css(QString::fromStdString(book_.root) + "help.css");
    if (css.open(QIODevice::ReadOnly))
        txtTopic_->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
    splitter->setStretchFactor(1, 3);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

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
    connect(txtSearch_, &QLineEdit::textChanged, this, &frmHelp::FillFound);
    connect(txtSearch_, &QLineEdit::returnPressed, this, [this] { OpenFound(0); });
    connect(lstFound_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenFound(lstFound_->row(item)); });
    connect(lstFound_, &QListWidget::itemClicked, lstFound_, &QListWidget::itemActivated);
    connect(txtTopic_, &QTextBrowser::sourceChanged, this, &frmHelp::SourceChanged);
    FillKeywords({});
    FitPanes(splitter);
}

void frmHelp::FitPanes(QSplitter* splitter) {
    constexpr int kPageWidth = 540, kHeight = 540;
    // Room a window manager takes around the window.
    constexpr int kFrameWidth = 16, kFrameHeight = 48;
    int widest = 0;
    const QFontMetrics fm(lstKeywords_->font());
    for (QListWidget* list : {lstContents_, lstKeywords_})
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(widest, fm.horizontalAdvance(list->item(i)->text()));
    const int listChrome = 2 * lstKeywords_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                           4 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin) + fm.averageCharWidth() * 2;
    int left = widest + listChrome;
    QSize size(left + kPageWidth, kHeight);
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QSize room = s->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
        size = size.boundedTo(room);
        left = std::min(left, size.width() * 3 / 5);
    }
    resize(size);
    splitter->setSizes({left, size.width() - left});
}

void frmHelp::ShowPage(const HelpPage& page) {
    txtTopic_->setSource(QUrl("qrc" + QString::fromStdString(book_.root) + page.file));
}

void frmHelp::ShowWordSearch() {
    tabs_->setCurrentIndex(2);
    txtSearch_->setFocus();
    txtSearch_->selectAll();
}

QStringList frmHelp::FoundPages() const {
    QStringList titles;
    for (const HelpSearchHit& hit : found_)
        titles << hit.page->title;
    return titles;
}

void frmHelp::FillFound(const QString& text) {
    if (words_.Empty()) {
        for (const HelpPage& page : book_.pages) {
            QFile file(QString::fromStdString(book_.root) + page.file);
            const QString html =
                file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
            // The page's index keywords are found too, even where its text words them otherwise.
            QString words = QString(page.title) + "\n";
            for (const char* keyword : page.keywords)
                words += QString(keyword) + "\n";
            words += QTextDocumentFragment::fromHtml(html).toPlainText();
            words_.AddPage(page, words.toStdString());
        }
    }
    found_ = words_.Find(text.toStdString());
    lstFound_->clear();
    for (const HelpSearchHit& hit : found_)
        lstFound_->addItem(hit.page->title);
    if (!found_.empty()) {
        lstFound_->setCurrentRow(0);
    } else if (!HelpWords(text.toStdString()).empty()) {
        // Said in the list, so an empty result is not taken for a search still to come.
        auto* none = new QListWidgetItem(kNothingFound, lstFound_);
        none->setFlags(Qt::NoItemFlags);
    }
}

void frmHelp::OpenFound(int row) {
    if (row < 0 || row >= static_cast<int>(found_.size()))
        return;
    ShowPage(*found_[static_cast<std::size_t>(row)].page);
    // The first word searched for is marked where it first appears on the page.
    const std::vector<std::string> words = HelpWords(txtSearch_->text().toStdString());
    if (!words.empty())
        txtTopic_->find(QString::fromStdString(words.front()));
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
    w->ShowWordSearch();
}

void AddHelpKey(QWidget* window, IHelp& help, int context) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(f1, &QShortcut::activated, window, [&help, context] { help.ShowContext(context); });
}

} // namespace rc
