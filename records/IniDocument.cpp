// SPDX-License-Identifier: GPL-3.0-or-later
#include "IniDocument.h"

#include <QList>

#include <limits>

namespace {

QString unquoted(const QString& value)
{
    if (value.size() < 2 || !value.startsWith('"') || !value.endsWith('"'))
        return value;
    QString plain;
    const QString inner = value.mid(1, value.size() - 2);
    for (int i = 0; i < inner.size(); ++i)
        plain += inner[i] == '\\' && i + 1 < inner.size() ? inner[++i] : inner[i];
    return plain;
}

} // namespace

IniDocument IniDocument::parse(const QByteArray& text)
{
    IniDocument document;
    QString group = "General";
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            group = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0 || line.startsWith(';') || line.startsWith('#'))
            continue;
        document.setValue(group, line.left(equals).trimmed(), unquoted(line.mid(equals + 1).trimmed()));
    }
    return document;
}

QByteArray IniDocument::text() const
{
    QByteArray text;
    for (const auto& [group, keys] : groups_) {
        if (keys.empty())
            continue;
        if (!text.isEmpty())
            text += '\n';
        text += '[' + group.toUtf8() + "]\n";
        for (const auto& [key, value] : keys)
            text += key.toUtf8() + '=' + value.toUtf8() + '\n';
    }
    return text;
}

QString IniDocument::value(const QString& group, const QString& key) const
{
    const auto inGroup = groups_.find(group);
    if (inGroup == groups_.end())
        return {};
    const auto found = inGroup->second.find(key);
    return found == inGroup->second.end() ? QString() : found->second;
}

void IniDocument::setValue(const QString& group, const QString& key, const QString& value)
{
    // Never null, so that an empty value still counts as present.
    groups_[group][key] = value.isNull() ? QString("") : value;
}

void IniDocument::removeGroup(const QString& group)
{
    groups_.erase(group);
}

void IniDocument::removeValue(const QString& group, const QString& key)
{
    const auto found = groups_.find(group);
    if (found == groups_.end())
        return;
    found->second.erase(key);
    if (found->second.empty())
        groups_.erase(found);
}

QStringList IniDocument::keys(const QString& group) const
{
    QStringList keys;
    const auto found = groups_.find(group);
    if (found != groups_.end())
        for (const auto& entry : found->second)
            keys << entry.first;
    return keys;
}

int IniDocument::count(const QString& group, const QString& key, int fallback) const
{
    bool isNumber = false;
    const int stored = value(group, key).toInt(&isNumber);
    return isNumber && stored >= 0 ? stored : fallback;
}

void IniDocument::countOneMore(const QString& group, const QString& key)
{
    const int now = count(group, key, 0);
    setValue(group, key, QString::number(now == std::numeric_limits<int>::max() ? now : now + 1));
}
