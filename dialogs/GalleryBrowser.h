// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GalleryPicture.h"
#include "ScoreBook.h"

#include <QDialog>
#include <QSet>

#include <functional>
#include <optional>
#include <vector>

class QListWidget;

// The gallery: its albums, each with how many of its pictures are solved ("12 of 40"), and
// the pictures of the album chosen. A solved picture shows in colour with its title and best
// time; any other shows only its size and the technique it needs, so that nothing of it is
// given away. Arrows, Tab and Enter reach everything.
class GalleryBrowser : public QDialog {
    Q_OBJECT

public:
    using BestOf = std::function<ScoreBook::Record(const QString& id)>;
    // The board of a picture begun and left, if there is one.
    using BegunOf = std::function<std::optional<PuzzleGrid>(const GalleryPicture& picture)>;
    GalleryBrowser(const std::vector<GalleryPicture>& pictures, const QSet<QString>& solved, BestOf best, BegunOf begun,
        const QString& language, QWidget* parent = nullptr);

    // The picture chosen, an index into the pictures; -1 when none was.
    int chosen() const;
    // Shows the picture's album with the picture chosen; an id not in the gallery changes
    // nothing.
    void choose(const std::string& id);
    // The album's name in the player's language; its key is the English one.
    static QString albumName(const std::string& album);
    // What the browser shows of a picture: its colours once solved, else its board, in grey
    // as far as the player filled it.
    static QImage thumbnail(const GalleryPicture& picture, bool solved, const PuzzleGrid* begun);

private:
    void showAlbum(int album);

    const std::vector<GalleryPicture>& pictures_;
    QSet<QString> solved_;
    BestOf best_;
    BegunOf begun_;
    QString language_;
    std::vector<std::string> albums_;
    QListWidget* albumList_;
    QListWidget* pictureList_;
};
