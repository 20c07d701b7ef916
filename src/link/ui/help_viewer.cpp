#include "link/ui/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace rc::link {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpViewer");
    setWindowTitle("HaldenLink Help");
    resize(760, 520);

    tabs_ = new QTabWidget;
    auto* contentsPage = new QWidget;
    auto* contentsLayout = new QVBoxLayout(contentsPage);
    auto* home = new QPushButton("&Contents");
    home->setObjectName("cmdContents");
    contentsLayout->addWidget(home);
    contentsLayout->addStretch();
    tabs_->addTab(contentsPage, "Contents");

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    search_ = new QLineEdit;
    search_->setObjectName("txtSearch");
    search_->setPlaceholderText("Type a keyword");
    list_ = new QListWidget;
    list_->setObjectName("lstKeywords");
    searchLayout->addWidget(search_);
    searchLayout->addWidget(list_);
    tabs_->addTab(searchPage, "Search");

    browser_ = new QTextBrowser;
    browser_->setObjectName("txtHelp");
    browser_->setOpenExternalLinks(false);

    auto* split = new QSplitter;
    split->addWidget(tabs_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 3);
    auto* top = new QHBoxLayout(this);
    top->addWidget(split);

    connect(home, &QPushButton::clicked, this, [this] { browser_->setSource(QUrl(kContents)); });
    connect(search_, &QLineEdit::textChanged, this, &HelpViewer::FilterKeywords);
    connect(search_, &QLineEdit::returnPressed, this, [this] { OpenKeyword(search_->text()); });
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { browser_->setSource(QUrl(keywords_.value(item->text()))); });
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { browser_->setSource(QUrl(keywords_.value(item->text()))); });

    LoadKeywords();
    FilterKeywords({});
    browser_->setSource(QUrl(kContents));
}

void HelpViewer::LoadKeywords() {
    static const QRegularExpression meta(R"re(<meta\s+name="keywords"\s+content="([^"]*)")re",
                                         QRegularExpression::CaseInsensitiveOption);
    QDir dir(":/rclink/help");
    for (const QString& name : dir.entryList({"*.html"}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QRegularExpressionMatch m = meta.match(QString::fromUtf8(f.readAll()));
        if (!m.hasMatch())
            continue;
        for (const QString& word : m.captured(1).split(',', Qt::SkipEmptyParts))
            if (!keywords_.contains(word.trimmed()))
                keywords_.insert(word.trimmed(), "qrc:/rclink/help/" + name);
    }
}

void HelpViewer::FilterKeywords(const QString& text) {
    list_->clear();
    for (auto it = keywords_.cbegin(); it != keywords_.cend(); ++it)
        if (text.isEmpty() || it.key().contains(text.trimmed(), Qt::CaseInsensitive))
            list_->addItem(it.key());
}

bool HelpViewer::OpenKeyword(const QString& text) {
    for (auto it = keywords_.cbegin(); it != keywords_.cend(); ++it) {
        if (it.key().startsWith(text.trimmed(), Qt::CaseInsensitive)) {
            browser_->setSource(QUrl(it.value()));
            return true;
        }
    }
    return false;
}

QString HelpViewer::CurrentPage() const {
    return browser_->source().toString();
}

void HelpViewer::Present() {
    show();
    raise();
    activateWindow();
}

void HelpViewer::ShowContext(int) {
    ShowContents();
}

void HelpViewer::ShowContents() {
    tabs_->setCurrentIndex(0);
    browser_->setSource(QUrl(kContents));
    Present();
}

void HelpViewer::ShowSearch() {
    tabs_->setCurrentIndex(1);
    Present();
    search_->setFocus();
    search_->selectAll();
}

} // namespace rc::link
