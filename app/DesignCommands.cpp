// SPDX-License-Identifier: GPL-3.0-or-later
// The designer's part in the game's window: opening it, playing and keeping its designs, and
// the designs of the gallery's album "My designs".
#include "MainWindow.h"

#include "DesignCode.h"
#include "DesignPuzzle.h"
#include "GalleryPuzzle.h"
#include "Language.h"
#include "PictureBoards.h"
#include "PuzzleFromFile.h"

#include <QApplication>
#include <QDir>

DesignerWindow& MainWindow::designer()
{
    if (!designer_)
        designer_ = std::make_unique<DesignerWindow>([this](const Design& design) { StartDesign(design); },
            [this](const Design& design, const std::string& replacing) { return KeepDesign(design, replacing); });
    return *designer_;
}

void MainWindow::MenuNewDesign()
{
    DesignerWindow& window = designer();
    if (!window.askForNew())
        return;
    window.show();
    window.raise();
    window.activateWindow();
}

bool MainWindow::KeepDesign(const Design& design, const std::string& replacing)
{
    DesignShelf& shelf = keeper_.files().designs();
    QString why;
    if (keeper_.files().sealed() || shelf.keep(design, replacing, &why))
        return true;
    // Told where the player asked for it.
    QWidget* asking = designer_ && designer_->isVisible() ? static_cast<QWidget*>(designer_.get()) : this;
    Prompt::tell(asking,
        tr("<p>The design could not be kept in My designs, in %1:</p><p>%2.</p><p>The file is as it was.</p>")
            .arg(QDir::toNativeSeparators(shelf.path()).toHtmlEscaped(), why.toHtmlEscaped()));
    return false;
}

void MainWindow::StartDesign(const Design& design)
{
    StartPicture(designPicture(design, 0));
    raise();
    activateWindow();
}

std::vector<GalleryPicture> MainWindow::pictures() const
{
    std::vector<GalleryPicture> all = gallery_;
    for (const Design& design : keeper_.files().designs().read())
        all.push_back(designPicture(design, 0));
    return all;
}

Puzzle MainWindow::puzzleOf(const GalleryPicture& picture) const
{
    if (picture.album != designAlbum)
        return galleryPuzzle(picture, gameLanguage().toStdString());
    for (const Design& design : keeper_.files().designs().read())
        if (designId(design) == picture.id) {
            // Judging a design that needs a guess may take the search its whole time.
            QApplication::setOverrideCursor(Qt::WaitCursor);
            Puzzle puzzle = designPuzzle(design, fileSearchTime);
            QApplication::restoreOverrideCursor();
            return puzzle;
        }
    // Gone from the file since the browser read it: played from its picture as it was shown.
    Design drawn = Design::of(picture.solution());
    drawn.givens = picture.givens;
    drawn.title = picture.title("en");
    return designPuzzle(drawn, fileSearchTime);
}

void MainWindow::enterDesignCode(const QString& typed)
{
    DesignCode::Problem why = DesignCode::Problem::None;
    std::optional<Design> design = DesignCode::read(typed.toStdString(), why);
    QString reason;
    switch (why) {
    case DesignCode::Problem::None: break;
    case DesignCode::Problem::NotADesign: reason = tr("it does not start with a size and -D-"); break;
    case DesignCode::Problem::SizeOutOfRange: reason = tr("a design has 5 to 60 cells a side"); break;
    case DesignCode::Problem::BadCharacter: reason = tr("it holds a character no code has"); break;
    case DesignCode::Problem::WrongLength: reason = tr("it has too few or too many digits for its size"); break;
    case DesignCode::Problem::WrongCheck:
    case DesignCode::Problem::BadGiven: reason = tr("a digit is mistyped, or two are swapped"); break;
    }
    if (design && design->empty())
        reason = tr("its picture is empty");
    if (!reason.isEmpty()) {
        Prompt::tell(this,
            tr("<p>\"%1\" is not a design's code: %2.</p><p>Copy the code again as it was given to you.</p>")
                .arg(typed.trimmed().toHtmlEscaped(), reason));
        return;
    }
    // A friend's design joins the player's own, to come back to.
    KeepDesign(*design, {});
    StartDesign(*design);
}
