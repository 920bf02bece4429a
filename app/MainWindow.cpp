// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "About.h"
#include "ApplicationLook.h"
#include "AssetFolder.h"
#include "DrawingSurface.h"
#include "GalleryFile.h"
#include "HelpBrowser.h"
#include "HighScores.h"
#include "SoundBank.h"
#include "ui_MainWindow.h"

#include <QActionGroup>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <cstdlib>
#include <ctime>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui_(new Ui::MainWindow)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // Without assets the game still runs, but says so once rather than once per missing file.
    const QString assetFolder = AssetFolder::find();
    if (assetFolder.isEmpty())
        Prompt::fatalError(AssetFolder::notFoundMessage());
    ui_->setupUi(this);
    const GalleryReading reading = readGallery(AssetFolder::read("Pictures//gallery.tsv").toStdString());
    gallery_ = reading.pictures;
    galleryError_ = QString::fromStdString(reading.error.empty() ? std::string("it holds no pictures") : reading.error);
    installEventFilter(&input_);
    ApplicationLook::install(windowIcon());
    menus_ = std::make_unique<GameMenus>(*ui_, this);
    settings_ = GameSettings::load(keeper_.files().settings());
    menus_->show(settings_);
    connectCommands();

    if (!scene_.mistakeLoaded() && !assetFolder.isEmpty())
        Prompt::fatalError(tr("Failed to load mistake.png!"));
    if (!scene_.setBackground(settings_.background) && !assetFolder.isEmpty())
        Prompt::fatalError(tr("Failed to load background file!"));
    applySwitches();
    sounds_ = std::make_unique<SoundBank>(
        [] { Prompt::fatalError(tr("Unable to open audio!")); }, QFile::encodeName(assetFolder).toStdString());

    // The surface, the scroll bars right of it and below it, and the replay's controls under
    // all three. Painting translates back to the window's origin, and pointer events the
    // surface ignores reach the window in window coordinates.
    auto* area = new QGridLayout(ui_->centralWidget);
    area->setContentsMargins(0, 0, 0, 0);
    area->setSpacing(0);
    auto* surfaceHost = new QWidget(ui_->centralWidget);
    surfaceHost->setMouseTracking(true);
    area->addWidget(surfaceHost, 0, 0);
    // The surface takes whatever the bars leave, even with both hidden.
    area->setColumnStretch(0, 1);
    area->setRowStretch(0, 1);
    surface_ = new DrawingSurface(
        surfaceHost,
        [this](QPainter& painter) {
            painter.translate(-drawingSurface()->mapTo(this, QPoint(0, 0)));
            scene_.paint(painter, size(), session_);
        },
        settings_.drawing);
    scrollBars_ = new ScrollBars(ui_->centralWidget, [this](QPoint scrolled) {
        scene_.scrollTo(scrolled);
        viewMoved();
    });
    area->addWidget(scrollBars_->down(), 0, 1);
    area->addWidget(scrollBars_->across(), 1, 0);
    scene_.setScrollBarThickness(scrollBars_->thickness());
    // Before the board's input sees them.
    installEventFilter(&navigation_);
    replayBar_ = new ReplayBar(ui_->centralWidget, [this](ReplayBar::Command command) { replay(command); });
    area->addWidget(replayBar_, 2, 0, 1, 2);
    replayBar_->hide();

    tickTimer_ = new QTimer(this);
    connect(tickTimer_, &QTimer::timeout, this, &MainWindow::Tick);
    tickTimer_->start(10);
    menus_->follow(session_);
}

MainWindow::~MainWindow()
{
    tickTimer_->stop();
    sounds_.reset();
    delete ui_;
}

// Size and mode entries only move their check mark; the next new game reads it.
void MainWindow::connectCommands()
{
    connect(ui_->actionExit, &QAction::triggered, this, &QWidget::close);
    connect(ui_->actionHighScore, &QAction::triggered, this, [this] {
        HighScores::browse(
            keeper_.files().settings(), menus_->sizeIndex(), menus_->mode() - Beginner, menus_->band(), this);
    });
    connect(ui_->actionHint, &QAction::triggered, this, &MainWindow::MenuHint);
    connect(ui_->actionMarks, &QAction::triggered, this, &MainWindow::MenuMarking);
    connect(ui_->actionUndo, &QAction::triggered, this, [this] { answer(session_.undo()); });
    connect(ui_->actionRedo, &QAction::triggered, this, [this] { answer(session_.redo()); });
    connect(ui_->actionNew_Game, &QAction::triggered, this, &MainWindow::MenuNewGame);
    connect(ui_->actionOpenFile, &QAction::triggered, this, &MainWindow::MenuOpenFile);
    connect(ui_->actionPictures, &QAction::triggered, this, &MainWindow::MenuPictures);
    connect(ui_->menuRecent, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    // A puzzle file dropped anywhere on the window is opened.
    setAcceptDrops(true);
    connect(ui_->actionAboutPuzzle, &QAction::triggered, this, &MainWindow::MenuAboutPuzzle);
    connect(ui_->actionEnterCode, &QAction::triggered, this, &MainWindow::MenuEnterCode);
    connect(ui_->actionNewDesign, &QAction::triggered, this, &MainWindow::MenuNewDesign);
    connect(ui_->actionTodaysPuzzle, &QAction::triggered, this, &MainWindow::MenuTodaysPuzzle);
    connect(ui_->actionRestart, &QAction::triggered, this, &MainWindow::MenuRestart);
    connect(ui_->actionShowSolution, &QAction::triggered, this, &MainWindow::MenuShowSolution);
    connect(ui_->actionHow_To_Play, &QAction::triggered, this, [] { OpenHelp("Help//howtoplay.html"); });
    connect(ui_->actionAbout, &QAction::triggered, this, [this] { About::showModal(this); });
    connect(ui_->actionPause, &QAction::triggered, this, &MainWindow::MenuPause);
    // Zoomed from the keys or the menu, the view keeps the middle of the board's view where it is.
    ui_->actionZoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ui_->actionZoomOut->setShortcuts(QKeySequence::ZoomOut);
    const auto zoomBy = [this](int steps) {
        scene_.zoom(steps, scene_.layout().viewport().cellsView().center());
        viewMoved();
    };
    connect(ui_->actionZoomIn, &QAction::triggered, this, [zoomBy] { zoomBy(1); });
    connect(ui_->actionZoomOut, &QAction::triggered, this, [zoomBy] { zoomBy(-1); });
    connect(ui_->actionFitBoard, &QAction::triggered, this, [this] {
        scene_.fitBoard();
        viewMoved();
    });
    for (QAction* entry : {ui_->actionParticles, ui_->actionHighContrast})
        connect(entry, &QAction::triggered, this, &MainWindow::applySwitches);
    connect(ui_->actionMusic, &QAction::triggered, this, [this] { sounds_->applyMusicSwitch(menus_->musicOn()); });
    connect(menus_->backgrounds(), &QActionGroup::triggered, this,
        [this](QAction* entry) { scene_.setBackground(menus_->backgroundOf(entry)); });
    // A command may change what is shown without an event: the tick looks once it has run.
    // What it changed in the game or the settings is kept soon; zoom changes neither.
    for (QAction* entry : findChildren<QAction*>()) {
        connect(entry, &QAction::triggered, this, &MainWindow::wakeTick);
        if (!ui_->menuView->actions().contains(entry))
            connect(entry, &QAction::triggered, this, [this] { keeper_.keepSoon(); });
    }
}

// The scroll bars follow in the tick.
void MainWindow::viewMoved()
{
    input_.viewMoved();
    wakeTick();
}

void MainWindow::applySwitches()
{
    scene_.setParticlesOn(menus_->particlesOn());
    scene_.setHighContrast(menus_->highContrast());
}

bool MainWindow::SaveSettings(bool always)
{
    settings_ = menus_->chosen(settings_);
    // Beside the game "auto.sav" may keep; stale, its fingerprint no longer fits.
    if (session_.inPlay())
        settings_.savedPuzzle
            = session_.code() ? QString::fromStdString(session_.code()->keptWith(session_.game().clues())) : QString();
    if (!always && writtenSettings_ == settings_ && keeper_.files().settings().failure().isEmpty())
        return true;
    if (!settings_.save(keeper_.files().settings()))
        return false;
    writtenSettings_ = settings_;
    return true;
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    scene_.setRoom(boardRoom(), menuBar()->height());
    wakeTick();
}

QSize MainWindow::boardRoom() const
{
    return size() - QSize(0, replayBar_->isHidden() ? 0 : replayBar_->sizeHint().height());
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (session_.phase() == Session::Phase::Replaying) {
        if (const std::optional<ReplayBar::Command> command = ReplayBar::commandFor(event->key())) {
            replay(*command);
            return;
        }
    }
    switch (event->key()) {
    case Qt::Key_M:
        if (ui_->actionMarks->isEnabled())
            MenuMarking();
        break;
    case Qt::Key_H:
        if (ui_->actionHint->isEnabled())
            MenuHint();
        break;
    case Qt::Key_P: MenuPause(); break;
    case Qt::Key_F1: OpenHelp("Help//index.html"); break;
    case Qt::Key_F2:
        // A solved board, or one still being made, has nothing to lose.
        if (!session_.inPlay() || Prompt::ask(this, tr("New game?")))
            MenuNewGame();
        break;
    default: event->ignore(); break;
    }
}
