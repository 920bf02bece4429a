#include "MainWindow.h"

#include "AssetFolder.h"
#include "Backgrounds.h"
#include "BoardLook.h"
#include "GameSettings.h"
#include "Prompt.h"
#include "SharedIconStyle.h"
#include "ViewTransform.h"
#include "ui_MainWindow.h"

#include "DrawingSurface.h"
#include "SoundBank.h"

#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QPixmapCache>
#include <QResizeEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdlib>
#include <ctime>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , storage(StorageFolder::choose())
    , settingsStore(storage.filePath("tessarin.ini"))
    , savedGame(storage.filePath("auto.sav"))
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // Without assets the game still runs, but says so once rather than once per missing file.
    const QString assetFolder = AssetFolder::find();
    if (assetFolder.isEmpty())
        Prompt::fatalError(AssetFolder::notFoundMessage());
    // An installed game has no font folder of its own: it uses the system's Comfortaa.
    QFontDatabase::addApplicationFont(AssetFolder::file("Fonts//Comfortaa Regular.ttf"));
    QFontDatabase::addApplicationFont(AssetFolder::file("Fonts//Comfortaa Bold.ttf"));
    techniqueNames = {"", "Boxes", "Complete", "Mercury", "Glue", "Punctuate", "Gap", "Fill"};

    ui->setupUi(this);
    // Help windows show the application's icon, so all share this one, and every box shares
    // its buttons' icons with the boxes before it. Each icon object leaves scaled copies of its
    // own in Qt's pixmap cache: one loaded per help window, like the button icons of every
    // box, filled the cache (10 MB) a little more each time. Icons and small style pieces are
    // all it holds here, so 2 MB is plenty.
    QApplication::setWindowIcon(windowIcon());
    if (!dynamic_cast<SharedIconStyle*>(QApplication::style()))
        QApplication::setStyle(new SharedIconStyle);
    QPixmapCache::setCacheLimit(2 * 1024);
    createActionGroups();
    connectActions();
    LoadSettings();

    if (!mistakePixmap.load(AssetFolder::file("Images//mistake.png")) && !assetFolder.isEmpty())
        Prompt::fatalError("Failed to load mistake.png!");
    faultTimeLine.setDuration(1500);
    faultTimeLine.setFrameRange(0, 1);
    infoFont = QFont("Comfortaa", 14, QFont::Bold);

    if (!backgroundPixmap.load(AssetFolder::file(Backgrounds::style(backgroundIndex).textureFile))
        && !assetFolder.isEmpty())
        Prompt::fatalError("Failed to load background file!");
    choosePanelColours();
    sounds = std::make_unique<SoundBank>(
        [] { Prompt::fatalError("Unable to open audio!"); }, QFile::encodeName(assetFolder).toStdString());

    // The surface fills the central widget; painting translates back to the window's
    // origin, and pointer events it ignores reach the window in window coordinates.
    surface = DrawingSurface::create(ui->centralWidget, [this](QPainter& painter) { paintFrame(painter); });
    auto* layout = new QVBoxLayout(ui->centralWidget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(surface);

    tickTimer = new QTimer(this);
    connect(tickTimer, &QTimer::timeout, this, &MainWindow::Tick);
    tickTimer->start(10);
}

MainWindow::~MainWindow()
{
    tickTimer->stop();
    sounds.reset();
    delete ui;
}

void MainWindow::createActionGroups()
{
    sizeGroup = new QActionGroup(this);
    for (QAction* action :
        {ui->action5x5, ui->action10x5, ui->action10x10, ui->action15x10, ui->action15x15, ui->action20x15})
        sizeGroup->addAction(action);
    modeGroup = new QActionGroup(this);
    for (QAction* action : {ui->actionBeginner, ui->actionNormal, ui->actionExpert})
        modeGroup->addAction(action);
    backgroundGroup = new QActionGroup(this);
    for (QAction* action : {ui->actionGrass, ui->actionLeaves, ui->actionWater, ui->actionWood})
        backgroundGroup->addAction(action);
}

void MainWindow::connectActions()
{
    // Size and mode entries only move their check mark; the next new game reads it.
    connect(ui->actionExit, &QAction::triggered, this, &MainWindow::MenuExitGame);
    connect(ui->actionHighScore, &QAction::triggered, this, &MainWindow::MenuHighScore);
    connect(ui->actionHint, &QAction::triggered, this, &MainWindow::MenuHint);
    connect(ui->actionMarks, &QAction::triggered, this, &MainWindow::MenuMarking);
    connect(ui->actionUndo, &QAction::triggered, this, &MainWindow::MenuUndo);
    connect(ui->actionRedo, &QAction::triggered, this, &MainWindow::MenuRedo);
    // Two keys, which the form cannot hold.
    ui->actionRedo->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    connect(ui->actionNew_Game, &QAction::triggered, this, &MainWindow::MenuNewGame);
    connect(ui->actionHow_To_Play, &QAction::triggered, this, &MainWindow::MenuHelp);
    connect(ui->actionAbout, &QAction::triggered, this, &MainWindow::MenuAbout);
    connect(ui->actionParticles, &QAction::triggered, this, &MainWindow::MenuParticles);
    connect(ui->actionMusic, &QAction::triggered, this, &MainWindow::MenuMusic);
    connect(ui->actionSound, &QAction::triggered, this, &MainWindow::MenuSound);
    connect(ui->actionPause, &QAction::triggered, this, &MainWindow::MenuPause);
    connect(ui->actionHighContrast, &QAction::triggered, this, &MainWindow::MenuHighContrast);
    connect(backgroundGroup, &QActionGroup::triggered, this, &MainWindow::UpdateBackground);
}

QAction* MainWindow::sizeAction(int index) const
{
    QAction* const entries[]
        = {ui->action5x5, ui->action10x5, ui->action10x10, ui->action15x10, ui->action15x15, ui->action20x15};
    return entries[index];
}

QAction* MainWindow::modeAction(int gameMode) const
{
    QAction* const entries[] = {ui->actionBeginner, ui->actionNormal, ui->actionExpert};
    return entries[gameMode - Beginner];
}

void MainWindow::LoadSettings()
{
    // Checking entries from here runs none of their commands.
    const GameSettings settings = GameSettings::load(settingsStore);
    backgroundIndex = settings.background;
    QAction* const backgrounds[] = {ui->actionWood, ui->actionLeaves, ui->actionGrass, ui->actionWater};
    backgrounds[backgroundIndex]->setChecked(true);
    particlesOn = settings.particlesOn;
    soundOn = settings.soundOn;
    musicOn = settings.musicOn;
    newPlayer = settings.newPlayer;
    highContrast = settings.highContrast;
    ui->actionParticles->setChecked(particlesOn);
    ui->actionSound->setChecked(soundOn);
    ui->actionMusic->setChecked(musicOn);
    ui->actionHighContrast->setChecked(highContrast);
    framePainter.setLook(BoardLook::forSetting(highContrast));
    sizeAction(std::max(0, sizeIndexFromLabel(settings.lastSize)))->setChecked(true);
    modeAction(std::max(int(Beginner), modeFromName(settings.lastMode)))->setChecked(true);
}

bool MainWindow::SaveSettings()
{
    GameSettings settings;
    settings.background = backgroundIndex;
    settings.particlesOn = particlesOn;
    settings.soundOn = soundOn;
    settings.musicOn = musicOn;
    settings.newPlayer = newPlayer;
    settings.highContrast = highContrast;
    if (sizeGroup->checkedAction())
        settings.lastSize = sizeGroup->checkedAction()->text();
    if (modeGroup->checkedAction())
        settings.lastMode = modeGroup->checkedAction()->text();
    return settings.save(settingsStore);
}

void MainWindow::UpdateBackground(QAction* action)
{
    const QAction* const byIndex[] = {ui->actionWood, ui->actionLeaves, ui->actionGrass, ui->actionWater};
    for (int index = 0; index < Backgrounds::count; ++index)
        if (action == byIndex[index])
            backgroundIndex = index;
    backgroundPixmap = QPixmap();
    backgroundPixmap.load(AssetFolder::file(Backgrounds::style(backgroundIndex).textureFile));
    restylePanel();
}

void MainWindow::choosePanelColours()
{
    const BackgroundStyle& style = Backgrounds::style(backgroundIndex);
    const BoardLook& look = BoardLook::forSetting(highContrast);
    panelFillColor = look.plateFill(style);
    panelLineColor = look.plateLine(style);
}

void MainWindow::restylePanel()
{
    choosePanelColours();
    // Same size as before, so the view transform stands.
    boardPanel.rebuild(columns, rows, clues.widestRowClue(), clues.widestColumnClue(), panelFillColor, panelLineColor);
    needsRepaint = true;
}

void MainWindow::FitView(int windowWidth, int windowHeight)
{
    const ViewTransform fit
        = ViewTransform::fit(boardPanel.image.size(), windowWidth, windowHeight, menuBar()->height());
    scale = fit.scale;
    offsetX = fit.offsetX;
    offsetY = fit.offsetY;
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FitView(event->size().width(), event->size().height());
    needsRepaint = true;
}

void MainWindow::paintFrame(QPainter& painter) const
{
    painter.translate(-surface->mapTo(this, QPoint(0, 0)));
    Frame frame;
    switch (state) {
    case Playing:
    case Closing:
    case Celebrating: frame.content = Frame::Content::Board; break;
    case Creating: frame.content = Frame::Content::Creating; break;
    case Paused: frame.content = Frame::Content::Paused; break;
    default: frame.content = Frame::Content::BackgroundOnly; break;
    }
    frame.scale = scale;
    frame.offsetX = offsetX;
    frame.offsetY = offsetY;
    frame.background = &backgroundPixmap;
    frame.panel = &boardPanel;
    frame.clues = &clues;
    frame.board = &board;
    frame.boardX = boardX;
    frame.boardY = boardY;
    frame.columns = columns;
    frame.rows = rows;
    frame.infoFont = &infoFont;
    frame.modeText = modeText;
    frame.timeText = timeText;
    frame.faultsText = faultsText;
    frame.difficultyText = difficultyText;
    frame.faultShown = faultTimeLine.state() == QTimeLine::Running;
    frame.faultProgress = faultTimeLine.currentValue();
    frame.faultX = faultX;
    frame.faultY = faultY;
    frame.mistake = &mistakePixmap;
    frame.hintShown = hintShown;
    frame.hintIsRow = hintIsRow;
    frame.hintLine = hintLine;
    if (particlesOn)
        frame.particles = &particles;
    framePainter.paint(painter, size(), frame);
}

void MainWindow::MenuExitGame()
{
    close();
}

void MainWindow::MenuParticles()
{
    particlesOn = !particlesOn;
}

void MainWindow::MenuSound()
{
    soundOn = !soundOn;
}

void MainWindow::MenuMusic()
{
    musicOn = !musicOn;
    sounds->applyMusicSwitch(musicOn);
}

void MainWindow::MenuHighContrast()
{
    highContrast = !highContrast;
    framePainter.setLook(BoardLook::forSetting(highContrast));
    restylePanel();
}
