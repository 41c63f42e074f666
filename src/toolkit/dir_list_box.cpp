// Folder lists: a folder opens with a double click or Enter.
#include "toolkit/dir_list_box.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

#include "toolkit/twips.h"

namespace velmora {
namespace {

constexpr int kPathRole = Qt::UserRole + 1;

// Every folder from the root down to path, root first.
QStringList FolderChain(const QString& path) {
    QStringList chain;
    QDir dir(path);
    chain.prepend(dir.absolutePath());
    while (dir.cdUp()) {
        chain.prepend(dir.absolutePath());
    }
    return chain;
}

QString FolderLabel(const QString& absolutePath) {
    const QString name = QFileInfo(absolutePath).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(absolutePath) : name;
}

}  // namespace

DirListBox::DirListBox(QWidget* parent, int left, int top, int width, int height)
    : QListWidget(parent) {
    setGeometry(TwipsRect(left, top, width, height));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* entry) { OpenEntry(entry); });
    path_ = QDir::currentPath();
    Fill();
}

bool DirListBox::SetPath(const QString& folder) {
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    const QFileInfo info(absolute);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
        return false;
    }
    path_ = absolute;
    Fill();
    if (onChange) {
        onChange();
    }
    return true;
}

void DirListBox::Fill() {
    clear();
    const QIcon openIcon = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QStringList chain = FolderChain(path_);
    int depth = 0;
    for (const QString& folder : chain) {
        auto* entry = new QListWidgetItem(openIcon, QString(depth * 2, ' ') + FolderLabel(folder));
        entry->setData(kPathRole, folder);
        addItem(entry);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QStringList children =
        QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children) {
        auto* entry = new QListWidgetItem(closedIcon, QString(depth * 2, ' ') + child);
        entry->setData(kPathRole, QDir(path_).absoluteFilePath(child));
        addItem(entry);
    }
    // Selecting a long folder name scrolls the list sideways to its end; names read from their
    // start, so the list goes back to its left edge.
    horizontalScrollBar()->setValue(0);
}

void DirListBox::OpenEntry(QListWidgetItem* entry) {
    if (entry == nullptr) {
        return;
    }
    const QString target = entry->data(kPathRole).toString();
    if (target != path_) {
        SetPath(target);
    }
}

}  // namespace velmora
