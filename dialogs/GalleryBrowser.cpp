// SPDX-License-Identifier: GPL-3.0-or-later
#include "GalleryBrowser.h"

#include "CellState.h"
#include "GameWords.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
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
    {"Activities", QT_TRANSLATE_NOOP("GalleryBrowser", "Activities")}};

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
    QImage image(thumbnailSide, thumbnailSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const int cell = std::max(1, (thumbnailSide - 2) / std::max(picture.columns, picture.rows));
    const QPoint corner((thumbnailSide - cell * picture.columns) / 2, (thumbnailSide - cell * picture.rows) / 2);
    painter.fillRect(QRect(corner, QSize(cell * picture.columns, cell * picture.rows)), QColor(235, 235, 235));
    if (begun && !solved) {
        for (int y = 0; y < picture.rows; ++y)
            for (int x = 0; x < picture.columns; ++x) {
                const int code = begun->cells[std::size_t(x)][std::size_t(y)];
                if (code == Filled || code == MarkedFilled)
                    painter.fillRect(corner.x() + x * cell, corner.y() + y * cell, cell, cell, QColor(110, 110, 110));
            }
    }
    if (solved) {
        for (int y = 0; y < picture.rows; ++y)
            for (int x = 0; x < picture.columns; ++x)
                if (picture.filled(x, y))
                    painter.fillRect(corner.x() + x * cell, corner.y() + y * cell, cell, cell,
                        QColor::fromRgb(
                            picture.palette[std::size_t(picture.colours[std::size_t(y * picture.columns + x)])]));
    }
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(QRect(corner, QSize(cell * picture.columns, cell * picture.rows)).adjusted(0, 0, -1, -1));
    return image;
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

int GalleryBrowser::chosen() const
{
    const QListWidgetItem* item = pictureList_->currentItem();
    return item ? item->data(pictureRole).toInt() : -1;
}
