#include "ui/recentcases.h"

#include <QSettings>
#include <memory>

namespace vorlan {

namespace {

constexpr qsizetype kMaxRecent = 6;
constexpr char kKey[] = "recentCases";

/** The user's settings file of Vorlan. */
std::unique_ptr<QSettings> settings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Vorlan", "vorlan");
}

} // namespace

QStringList RecentCases::paths() const { return settings()->value(kKey).toStringList().mid(0, kMaxRecent); }

void RecentCases::add(const QString& path)
{
    QStringList list = paths();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, kMaxRecent));
}

void RecentCases::remove(const QString& path)
{
    QStringList list = paths();
    list.removeAll(path);
    store(list);
}

void RecentCases::store(const QStringList& paths) { settings()->setValue(kKey, paths); }

} // namespace vorlan
