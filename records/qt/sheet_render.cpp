#include "records/qt/sheet_render.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "records/qt/calculation_file.h"

namespace cf::records::qt {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// A cursor down the pages: text in a width, a new page when the next block does not fit.
class Pages {
public:
    Pages(QPainter& painter, QPagedPaintDevice& device) : painter_(painter), device_(device) {
        const QRectF page = painter.viewport();
        width_ = page.width();
        height_ = page.height();
    }
    double width() const { return width_; }

    void font(double points, bool bold = false) {
        QFont f("DejaVu Sans");
        f.setPointSizeF(points);
        f.setBold(bold);
        // Letters drawn one by one, never as ligatures: the PDF's text reads as the page's ("fi", not "ﬁ").
        f.setStyleStrategy(QFont::PreferNoShaping);
        painter_.setFont(f);
    }
    double height_of(const QString& text, double width) const {
        return painter_.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
    }
    void room_for(double height) {
        if (y_ + height <= height_ || y_ == 0) return;
        device_.newPage();
        y_ = 0;
    }
    // A paragraph across the whole width.
    void line(const QString& text, double after = 0) {
        const double h = height_of(text, width_);
        room_for(h);
        painter_.drawText(QRectF(0, y_, width_, h), Qt::TextWordWrap, text);
        y_ += h + after;
    }
    // A row of cells, each in its share of the width, as tall as its tallest cell.
    void row(const QStringList& cells, const std::vector<double>& shares, bool ruled) {
        double h = 0;
        const double pad = width_ * 0.01;
        for (int i = 0; i < cells.size(); ++i) h = std::max(h, height_of(cells[i], width_ * shares[i] - 2 * pad));
        room_for(h + pad);
        double x = 0;
        for (int i = 0; i < cells.size(); ++i) {
            painter_.drawText(QRectF(x + pad, y_, width_ * shares[i] - 2 * pad, h), Qt::TextWordWrap, cells[i]);
            x += width_ * shares[i];
        }
        y_ += h + pad;
        if (ruled) painter_.drawLine(QPointF(0, y_ - pad / 2), QPointF(width_, y_ - pad / 2));
    }
    void space(double points) { y_ += points * device_.logicalDpiY() / 72.0; }

private:
    QPainter& painter_;
    QPagedPaintDevice& device_;
    double width_ = 0;
    double height_ = 0;
    double y_ = 0;
};

}  // namespace

bool draw_sheet(QPagedPaintDevice& device, const Sheet& sheet) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 15, 18, 15),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    Pages pages(painter, device);
    pages.font(9);
    QString heading = q(sheet.program) + " " + q(sheet.version) + " — feuille de calcul du " + q(sheet.date);
    if (!sheet.file.empty()) heading += " — fichier " + q(sheet.file);
    pages.line(heading);
    pages.space(6);
    pages.font(15, true);
    pages.line(q(sheet.title));
    pages.space(6);
    if (!sheet.choices.empty()) {
        pages.font(10, true);
        pages.line("Choix effectués");
        pages.font(10);
        for (const std::string& choice : sheet.choices) pages.line("•  " + q(choice));
        pages.space(6);
    }
    const std::vector<double> shares = {0.52, 0.32, 0.16};
    pages.font(9, true);
    pages.row({"Grandeur", "Valeur", "Unité"}, shares, true);
    for (const SheetRow& row : sheet.rows) {
        pages.font(9, row.result);
        pages.row({q(row.label), q(row.value), q(row.unit)}, shares, false);
    }
    pages.space(6);
    pages.font(10);
    for (const std::string& status : sheet.statuses) pages.line(q(status), 2);
    if (!sheet.notes.empty()) {
        pages.space(4);
        pages.font(9, true);
        pages.line("Remarques");
        pages.font(9);
        for (const std::string& note : sheet.notes) pages.line(q(note), 2);
    }
    painter.end();
    return true;
}

QString write_pdf(const QString& path, const Sheet& sheet) {
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setCreator("CalcFluides");
        writer.setTitle(q(sheet.title));
        if (!draw_sheet(writer, sheet))
            return QString("La feuille de calcul %1 n'a pas pu être dessinée.").arg(QFileInfo(path).fileName());
    }
    return write_file(path, pdf);
}

}  // namespace cf::records::qt
