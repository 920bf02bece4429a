// SPDX-License-Identifier: GPL-3.0-or-later
#include "GalleryBrowser.h"

#include "CellState.h"
#include "GameWords.h"
#include "PicturePixels.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The albums the maker files its pictures in, by their English keys; a key missing here
// shows as it is.
struct AlbumName {
    const char* key;
    const char* name;
};
constexpr AlbumName albumNames[] = {{"Animals", QT_TRANSLATE_NOOP("GalleryBrowser", "Animals")},
    {"Nature", QT_TRANSLATE_NOOP("GalleryBrowser", "Nature")}, {"Food", QT_TRANSLATE_NOOP("GalleryBrowser", "Food")},
    {"Travel", QT_TRANSLATE_NOOP("GalleryBrowser", "Travel")},
    {"Objects", QT_TRANSLATE_NOOP("GalleryBrowser", "Objects")},
    {"Activities", QT_TRANSLATE_NOOP("GalleryBrowser", "Activities")},
    {"My designs", QT_TRANSLATE_NOOP("GalleryBrowser", "My designs")}};

constexpr int thumbnailSide = 72;
constexpr int pictureRole = Qt::UserRole;

} // namespace

QString GalleryBrowser::albumName(const std::string& album)
{
    for (const AlbumName& entry : albumNames)
        if (album == entry.key)
            return QCoreApplication::translate("GalleryBrowser", entry.name);
    return QString::fromStdString(album);
}

QImage GalleryBrowser::thumbnail(const GalleryPicture& picture, bool solved, const PuzzleGrid* begun)
{
    return picturePixels(picture.columns, picture.rows, thumbnailSide, [&](int x, int y) {
        if (solved)
            return picture.filled(x, y)
                ? QColor::fromRgb(picture.palette[std::size_t(picture.colours[std::size_t(y * picture.columns + x)])])
                : QColor();
        const int code = begun ? begun->cells[std::size_t(x)][std::size_t(y)] : Blank;
        return code == Filled || code == MarkedFilled ? QColor(110, 110, 110) : QColor();
    });
}

GalleryBrowser::GalleryBrowser(const std::vector<GalleryPicture>& pictures, const QSet<QString>& solved, BestOf best,
    BegunOf begun, const QString& language, QWidget* parent)
    : QDialog(parent)
    , pictures_(pictures)
    , solved_(solved)
    , best_(std::move(best))
    , begun_(std::move(begun))
    , language_(language)
    , albumList_(new QListWidget(this))
    , pictureList_(new QListWidget(this))
{
    setWindowTitle(tr("Pictures"));
    for (const GalleryPicture& picture : pictures_)
        if (std::find(albums_.begin(), albums_.end(), picture.album) == albums_.end())
            albums_.push_back(picture.album);
    for (const std::string& album : albums_) {
        const auto inAlbum = [&](const GalleryPicture& p) { return p.album == album; };
        const int count = int(std::count_if(pictures_.begin(), pictures_.end(), inAlbum));
        const int done = int(std::count_if(pictures_.begin(), pictures_.end(),
            [&](const GalleryPicture& p) { return inAlbum(p) && solved_.contains(QString::fromStdString(p.id)); }));
        albumList_->addItem(tr("%1\n%2 of %3").arg(albumName(album)).arg(done).arg(count));
    }
    albumList_->setMaximumWidth(200);
    pictureList_->setViewMode(QListView::IconMode);
    pictureList_->setIconSize(QSize(thumbnailSide, thumbnailSide));
    pictureList_->setGridSize(QSize(thumbnailSide + 48, thumbnailSide + 44));
    pictureList_->setResizeMode(QListView::Adjust);
    pictureList_->setMovement(QListView::Static);
    pictureList_->setWordWrap(true);
    pictureList_->setUniformItemSizes(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* play = buttons->addButton(tr("Play"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pictureList_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(albumList_, &QListWidget::currentRowChanged, this, &GalleryBrowser::showAlbum);
    connect(pictureList_, &QListWidget::currentRowChanged, this, [play, this] { play->setEnabled(chosen() >= 0); });

    auto* lists = new QHBoxLayout;
    lists->addWidget(albumList_);
    lists->addWidget(pictureList_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(buttons);
    resize(760, 520);
    albumList_->setCurrentRow(0);
    play->setEnabled(chosen() >= 0);
}

void GalleryBrowser::showAlbum(int album)
{
    pictureList_->clear();
    if (album < 0 || album >= int(albums_.size()))
        return;
    int firstUnsolved = -1;
    for (int index = 0; index < int(pictures_.size()); ++index) {
        const GalleryPicture& picture = pictures_[std::size_t(index)];
        if (picture.album != albums_[std::size_t(album)])
            continue;
        const QString id = QString::fromStdString(picture.id);
        const bool solved = solved_.contains(id);
        const QString size = QStringLiteral("%1x%2").arg(picture.columns).arg(picture.rows);
        QString text;
        if (solved) {
            text = QString::fromStdString(picture.title(language_.toStdString()));
            // A design may have no title.
            if (text.isEmpty())
                text = size;
            const ScoreBook::Record best = best_(id);
            if (best.bestTime.toInt() < 999)
                text += '\n' + tr("Best: %1 s").arg(best.bestTime);
        } else {
            text = size + '\n' + GameWords::technique(picture.technique);
            if (firstUnsolved < 0)
                firstUnsolved = pictureList_->count();
        }
        const std::optional<PuzzleGrid> board = solved ? std::nullopt : begun_(picture);
        auto* item = new QListWidgetItem(
            QIcon(QPixmap::fromImage(thumbnail(picture, solved, board ? &*board : nullptr))), text, pictureList_);
        item->setData(pictureRole, index);
        item->setToolTip(solved ? text : tr("%1, not solved yet").arg(size));
    }
    // The next picture to solve is where the player goes on.
    pictureList_->setCurrentRow(std::max(0, firstUnsolved));
}

void GalleryBrowser::choose(const std::string& id)
{
    const auto picture
        = std::find_if(pictures_.begin(), pictures_.end(), [&](const GalleryPicture& p) { return p.id == id; });
    if (picture == pictures_.end())
        return;
    albumList_->setCurrentRow(int(std::find(albums_.begin(), albums_.end(), picture->album) - albums_.begin()));
    const int index = int(picture - pictures_.begin());
    for (int row = 0; row < pictureList_->count(); ++row)
        if (pictureList_->item(row)->data(pictureRole).toInt() == index)
            pictureList_->setCurrentRow(row);
}

int GalleryBrowser::chosen() const
{
    const QListWidgetItem* item = pictureList_->currentItem();
    return item ? item->data(pictureRole).toInt() : -1;
}
