// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QProxyStyle>

#include <map>
#include <utility>

// The platform's style, except that it hands out one icon object per standard picture.
// The base style loads a new icon each time one is asked for, and every box asks for its
// buttons' icons anew. Each icon object caches its scaled pictures in Qt's pixmap cache under
// keys of its own, and Qt 6.4 never forgets a key, not even once its picture is dropped:
// over an hour of play, boxes left a megabyte of keys behind. Shared icons reuse their keys.
class SharedIconStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;

private:
    mutable std::map<std::pair<StandardPixmap, Qt::LayoutDirection>, QIcon> icons_;
};
