#pragma once

#include "desktop/help.h"
#include "desktop/help_book.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QSplitter;
class QTabWidget;
class QTextBrowser;

namespace rc {

// The help window of a program: the list of its pages, the keyword index, the search through the
// words of every page, and the page itself. Escape closes it.
class frmHelp : public QWidget {
    Q_OBJECT
public:
    frmHelp(const HelpBook& book, QWidget* parent = nullptr);

    void ShowPage(const HelpPage& page);
    void ShowIndex();
    void ShowWordSearch();
    // The page shown, as its file name ("timers.html").
    QString CurrentFile() const;
    // Keywords listed for the text in the search box.
    QStringList ListedKeywords() const;
    // Titles of the pages the word search lists.
    QStringList FoundPages() const;
    // What the search's list says when no page holds the words typed.
    static constexpr const char* kNothingFound = "No page holds every word typed.";

private:
    void FillKeywords(const QString& text);
    void OpenKeyword(int row);
    void FillFound(const QString& text);
    void OpenFound(int row);
    // The left side as wide as its longest index entry, the window no larger than its screen.
    void FitPanes(QSplitter* splitter);
    void SourceChanged(const QUrl& url);

    const HelpBook& book_;
    QTabWidget* tabs_;
    QListWidget* lstContents_;
    QLineEdit* txtKeyword_;
    QListWidget* lstKeywords_;
    QLineEdit* txtSearch_;
    QListWidget* lstFound_;
    QTextBrowser* txtTopic_;
    std::vector<HelpIndexEntry> listed_;
    HelpWordIndex words_; // built at the first search
    std::vector<HelpSearchHit> found_;
};

// A program's help: one help window, opened at a page, the contents or the keyword search. It opens
// over whatever modal dialog asked for it, so the user can read it while the dialog is open.
class HelpViewer : public QObject, public IHelp {
    Q_OBJECT
public:
    explicit HelpViewer(const HelpBook& book, QWidget* owner = nullptr) : book_(book), owner_(owner) {}
    ~HelpViewer() override;
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // The window help belongs to when no dialog is open.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void ShowContext(int context) override;
    void ShowContents() override;
    void ShowSearch() override;

    // The window, once help was shown.
    frmHelp* Window() const { return window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmHelp* Prepare();
    // Moves the window under `parent`, keeping its place and whether it is shown.
    void Adopt(QWidget* parent);

    const HelpBook& book_;
    QPointer<QWidget> owner_;
    QPointer<frmHelp> window_;
};

// F1 in `window` opens the help page of `context`.
void AddHelpKey(QWidget* window, IHelp& help, int context);

} // namespace rc
