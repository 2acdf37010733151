#pragma once

#include <QString>
#include <QStringList>

namespace ui {

// The lessons opened or saved last, newest first, at most eight, kept in a small file between
// starts (written whole; a missing or damaged file gives an empty list).
class RecentLessons {
public:
    static constexpr int most = 8;

    explicit RecentLessons(QString path);

    const QStringList& files() const { return files_; }
    void add(const QString& file);
    void remove(const QString& file);

private:
    void store() const;

    QString path_;
    QStringList files_;
};

} // namespace ui
