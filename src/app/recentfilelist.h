// The most recently opened or saved project files, newest first, kept in the settings.
#pragma once

#include <QStringList>

class QSettings;

namespace trellon {

class RecentFileList {
public:
    static constexpr int capacity = 4;

    // Reads "Recent File List/File1" … "File4"; empty entries are skipped.
    void load(QSettings& settings);
    void save(QSettings& settings) const;

    // Puts the path first, dropping an older entry of it and the entries beyond the capacity.
    void add(const QString& path);
    void remove(const QString& path);

    const QStringList& files() const { return files_; }

private:
    QStringList files_;
};

} // namespace trellon
