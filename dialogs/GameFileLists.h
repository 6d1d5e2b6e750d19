#pragma once
// The drive, folder and file lists of the saved-game dialogs. They read the disk directly
// and at once (no background watcher), so what they show is settled when a call returns.

#include <QComboBox>
#include <QListWidget>

// True when `name` matches the pattern: "*" and "?" wildcards, letter case ignored, several
// patterns separated by ";". An empty pattern matches every name.
bool MatchesFilePattern(const QString& name, const QString& pattern);

// The mounted file systems; an entry's drive is its mount point.
class DriveList : public QComboBox {
  public:
    explicit DriveList(QWidget* parent = nullptr);
    QString drive() const;
    // Chooses the file system that holds `path`.
    void setDriveOf(const QString& path);
};

// The folders from the root down to the current one, then the current folder's subfolders.
// Double-click or Enter on an entry opens it.
class DirList : public QListWidget {
    Q_OBJECT
  public:
    explicit DirList(QWidget* parent = nullptr);
    QString path() const { return path_; }
    // Shows `path` (an existing folder); emits pathChanged when it differs from the current.
    void setPath(const QString& path);

  signals:
    void pathChanged();

  private:
    void refresh();
    QString path_;
};

// The files of one folder that match the pattern, sorted by name.
class FileList : public QListWidget {
  public:
    explicit FileList(QWidget* parent = nullptr);
    QString path() const { return path_; }
    QString pattern() const { return pattern_; }
    void setPath(const QString& path);
    void setPattern(const QString& pattern);
    void refresh();

  private:
    QString path_;
    QString pattern_;
};
