#pragma once

#include "image/message.h"

#include <QMap>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace rc::link {

// The program's own help: HTML pages built into the program, shown at their contents or found by
// keyword. One window, raised again on every request.
class HelpViewer : public QWidget, public IHelp {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    void ShowContext(int context) override;
    void ShowContents() override;
    void ShowSearch() override;

    // Keyword to page, from the pages' keyword lists.
    const QMap<QString, QString>& Keywords() const { return keywords_; }
    QString CurrentPage() const;
    // Opens the page of the first keyword that starts with `text`; false when none does.
    bool OpenKeyword(const QString& text);

    static constexpr const char* kContents = "qrc:/rclink/help/index.html";

private:
    void LoadKeywords();
    void FilterKeywords(const QString& text);
    void Present();

    QMap<QString, QString> keywords_;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListWidget* list_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};

} // namespace rc::link
