// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>

// The text of "tessarin.ini": "[group]" lines, each followed by its "key=value" lines. It is
// written as Qt's settings writer always wrote it (groups and keys in sorted order, a blank
// line between groups), so files from earlier versions and from now look alike, and it keeps
// every group and key it read, even those this version does not know.
class IniDocument {
public:
    // Lines that are neither a group nor a key (damage, comments) are skipped; keys before the
    // first group belong to "General", as Qt has it. Spaces around keys and values and the
    // quotes around a quoted value are not part of them.
    static IniDocument parse(const QByteArray& text);
    QByteArray text() const;

    // A null string when the key is absent.
    QString value(const QString& group, const QString& key) const;
    void setValue(const QString& group, const QString& key, const QString& value);
    void removeGroup(const QString& group);
    void removeValue(const QString& group, const QString& key);
    // The keys of a group, in sorted order; none for a group that is absent.
    QStringList keys(const QString& group) const;

    // Counts are kept as decimal text. Anything else (edited by hand, or damaged) reads as
    // fallback: a best of "fast" read as 0 seconds could never be beaten again.
    int count(const QString& group, const QString& key, int fallback) const;
    // One more than the count stored (0 if none), or the largest int where it stays.
    void countOneMore(const QString& group, const QString& key);

private:
    std::map<QString, std::map<QString, QString>> groups_;
};
