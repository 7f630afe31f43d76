#pragma once

#include <QString>
#include <QStringList>

namespace vorlan {

/**
 * The case files opened or saved last, newest first, kept in the user's settings so that the File
 * menu offers them in the next run too.
 */
class RecentCases {
public:
    /** The remembered files, newest first; at most six. */
    QStringList paths() const;
    /** Puts path first. */
    void add(const QString& path);
    /** Forgets path (a file that can no longer be opened). */
    void remove(const QString& path);

private:
    void store(const QStringList& paths);
};

} // namespace vorlan
