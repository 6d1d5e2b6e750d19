#include "dialogs/GameFileLists.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QStyle>

bool MatchesFilePattern(const QString& name, const QString& pattern) {
    if (pattern.trimmed().isEmpty()) return true;
    for (const QString& one : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(one.trimmed()),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(name).hasMatch()) return true;
    }
    return false;
}

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady()) roots << volume.rootPath();
    roots.removeDuplicates();
    roots.sort();
    for (const QString& root : roots)
        addItem(root, root);
}

QString DriveList::drive() const {
    return currentData().toString();
}

void DriveList::setDriveOf(const QString& path) {
    const QString root = QStorageInfo(path).rootPath();
    if (root.isEmpty()) return;
    int index = findData(root);
    if (index < 0) {
        addItem(root, root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

DirList::DirList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(Qt::UserRole).toString()); });
}

void DirList::setPath(const QString& path) {
    const QFileInfo info(path);
    if (!info.isDir()) return;
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    if (clean == path_) return;
    path_ = clean;
    refresh();
    emit pathChanged();
}

void DirList::refresh() {
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QStringList chain;
    for (QDir d(path_);;) {
        chain.prepend(d.absolutePath());
        if (!d.cdUp()) break;
    }
    int level = 0;
    for (const QString& folder : chain) {
        const QString label = folder == QLatin1String("/") ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(open, QString(level * 2, QLatin1Char(' ')) + label, this);
        item->setData(Qt::UserRole, folder);
        ++level;
    }
    setCurrentRow(count() - 1);
    const QDir here(path_);
    for (const QFileInfo& sub :
         here.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(
            closed, QString(level * 2, QLatin1Char(' ')) + sub.fileName(), this);
        item->setData(Qt::UserRole, sub.absoluteFilePath());
    }
}

FileList::FileList(QWidget* parent) : QListWidget(parent) {}

void FileList::setPath(const QString& path) {
    path_ = path;
    refresh();
}

void FileList::setPattern(const QString& pattern) {
    pattern_ = pattern;
    refresh();
}

void FileList::refresh() {
    clear();
    if (path_.isEmpty()) return;
    const QFileInfoList files =
        QDir(path_).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files)
        if (MatchesFilePattern(file.fileName(), pattern_)) addItem(file.fileName());
}
