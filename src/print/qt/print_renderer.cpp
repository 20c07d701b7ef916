#include "print/qt/print_renderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace rc::print {

namespace {

class PageWriter {
public:
    PageWriter(QPrinter& printer, QPainter& painter, const PrinterFont& font)
        : printer_(printer), painter_(painter), family_(font.family) {
        const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        width_ = page.width();
        height_ = page.height();
    }

    bool StartPage() {
        if (started_ && !printer_.newPage())
            return false;
        started_ = true;
        y_ = 0;
        return true;
    }

    bool Draw(const Line& line) {
        QFont f(family_);
        f.setPointSizeF(line.fontSize);
        f.setBold(line.bold);
        painter_.setFont(f);
        const QFontMetricsF fm(f, &printer_);
        // A tab column is one character cell of the font: the width of a digit, which the report
        // texts are mostly made of.
        const double column = fm.horizontalAdvance(QLatin1Char('0'));
        if (line.centered && !line.cells.empty()) {
            const QString text = QString::fromStdString(line.cells.front().text);
            if (!Room(fm))
                return false;
            painter_.drawText(QPointF((width_ - fm.horizontalAdvance(text)) / 2, y_ + fm.ascent()), text);
            y_ += fm.lineSpacing();
            return true;
        }
        if (!Room(fm))
            return false;
        double x = 0;
        for (const Cell& cell : line.cells) {
            if (cell.text.empty())
                continue;
            const QString text = QString::fromStdString(cell.text);
            if (cell.column > 0) {
                // Column 1 is the left edge, as in the text report.
                const double at = (cell.column - 1) * column;
                // Like the printer's tab: a column already passed continues on the next line.
                if (x > at + 0.01) {
                    y_ += fm.lineSpacing();
                    if (!Room(fm))
                        return false;
                }
                x = at;
            }
            painter_.drawText(QPointF(x, y_ + fm.ascent()), text);
            x += fm.horizontalAdvance(text);
        }
        y_ += fm.lineSpacing();
        return true;
    }

private:
    // Turns the page when the next line would run off the paper.
    bool Room(const QFontMetricsF& fm) {
        if (y_ > 0 && y_ + fm.lineSpacing() > height_) {
            if (!printer_.newPage())
                return false;
            y_ = 0;
        }
        return true;
    }

    QPrinter& printer_;
    QPainter& painter_;
    QString family_;
    double width_ = 0, height_ = 0, y_ = 0;
    bool started_ = false;
};

} // namespace

bool PrintDocuments(QPrinter& printer, const std::vector<Document>& documents, const PrinterFont& font) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PageWriter writer(printer, painter, font);
    for (const Document& doc : documents)
        for (const Page& page : doc.pages) {
            if (!writer.StartPage())
                return false;
            for (const Line& line : page.lines)
                if (!writer.Draw(line))
                    return false;
        }
    return painter.end();
}

} // namespace rc::print
