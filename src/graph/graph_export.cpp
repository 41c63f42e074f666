// The graphs leave the program: both as one picture in a file, the table on the clipboard.
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "core/table_text.h"
#include "graph/graph_window.h"
#include "toolkit/file_dialog.h"
#include "toolkit/message_box.h"
#include "toolkit/picture_box.h"
#include "toolkit/text_files.h"

namespace velmora {
namespace {

// The name of the shown material's file without its folder and extension ("Water liquid").
QString MaterialFileStem(const MaterialTable& table) {
    const QString path = QString::fromStdString(table.DataFilePath).replace(u'\\', u'/');
    const QString stem = QFileInfo(path).completeBaseName();
    return stem.isEmpty() ? QStringLiteral("graphs") : stem;
}

// The chosen path, with the filter's extension when the user typed none.
QString WithExtension(const QString& path, const QString& extension) {
    return QFileInfo(path).suffix().isEmpty() ? path + extension : path;
}

}  // namespace

void GraphWindow::PaintGraphs(QPainter& painter, double scale) const {
    painter.fillRect(QRectF(0, 0, width() * scale, height() * scale), palette().window());
    for (const PictureBox* graph : {stoppingPowerGraph, rangeGraph}) {
        painter.save();
        const QPoint client =
            graph->pos() + QPoint(PictureBox::kBorderPixels, PictureBox::kBorderPixels);
        painter.translate(client.x() * scale, client.y() * scale);
        graph->Render(painter, scale);
        painter.restore();
    }
}

QByteArray GraphWindow::GraphsAsPng(double scale) const {
    QImage image(size() * scale, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PaintGraphs(painter, scale);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray GraphWindow::GraphsAsSvg() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size());
    svg.setViewBox(QRect(QPoint(0, 0), size()));
    // At 96 dots per inch, the size of a CSS pixel, viewers show the picture at the window's size.
    svg.setResolution(96);
    svg.setTitle(Caption().trimmed());
    svg.setDescription(QStringLiteral("Velmora: mass stopping powers and csda range"));
    {
        QPainter painter(&svg);
        PaintGraphs(painter, 1.0);
    }
    return bytes;
}

void GraphWindow::SaveGraphsAs() {
    const QString proposed = QDir::current().filePath(MaterialFileStem(shown_) + ".png");
    const QString png = tr("PNG image (*.png)");
    const QString pngTwice = tr("PNG image, twice the size (*.png)");
    const QString svgDrawing = tr("SVG drawing, text as text (*.svg)");
    const SaveFileChoice choice =
        ChooseSaveFile(this, tr("Save graphs as"), proposed, {png, pngTwice, svgDrawing});
    if (choice.path.isEmpty()) {
        return;  // cancelled
    }
    const bool svg = choice.filter == svgDrawing;
    const QString path = WithExtension(choice.path, svg ? ".svg" : ".png");
    const QByteArray bytes = svg ? GraphsAsSvg() : GraphsAsPng(choice.filter == pngTwice ? 2 : 1);
    const QString failure = WriteFileAtomically(path, bytes);
    if (!failure.isEmpty()) {
        MsgBox(tr("The graphs could not be saved:\n%1\n%2")
                   .arg(QDir::toNativeSeparators(path), failure),
               kMsgExclamation);
    }
}

void GraphWindow::CopyTable() {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(TabSeparatedTable(shown_, ComparedElectrons())));
}

}  // namespace velmora
