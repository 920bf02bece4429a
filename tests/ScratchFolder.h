// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// A fresh working folder for one test, removed when it goes, with the named folders of the
// folder the test started in (say "Images" and "Help") linked in. What the test writes
// ("tessarin.ini", "auto.sav") reaches no other test and never the real game folder.
class ScratchFolder {
public:
    explicit ScratchFolder(const QStringList& linked = {})
    {
        QVERIFY(folder_.isValid() && QDir::setCurrent(folder_.path()));
        for (const QString& name : linked)
            QVERIFY(QFile::link(original_ + '/' + name, name));
    }
    ~ScratchFolder() { QDir::setCurrent(original_); }

    QString path() const { return folder_.path(); }
    const QString& original() const { return original_; }

private:
    const QString original_ = QDir::currentPath();
    QTemporaryDir folder_;
};
