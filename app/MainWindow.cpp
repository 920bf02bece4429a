#include "MainWindow.h"

#include "AssetFolder.h"
#include "DrawingSurface.h"
#include "HelpBrowser.h"
#include "SharedIconStyle.h"
#include "SoundBank.h"
#include "ui_MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QTimer>
#include <QVBoxLayout>

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
    // An installed game has no font folder of its own: it uses the system's Comfortaa.
    QFontDatabase::addApplicationFont(AssetFolder::file("Fonts//Comfortaa Regular.ttf"));
    QFontDatabase::addApplicationFont(AssetFolder::file("Fonts//Comfortaa Bold.ttf"));

    ui_->setupUi(this);
    installEventFilter(&input_);
    // Help windows show the application's icon, so all share this one, and every box shares
    // its buttons' icons with the boxes before it. Each icon object leaves scaled copies of its
    // own in Qt's pixmap cache: one loaded per help window, like the button icons of every
    // box, filled the cache (10 MB) a little more each time. Icons and small style pieces are
    // all it holds here, so 2 MB is plenty.
    QApplication::setWindowIcon(windowIcon());
    if (!dynamic_cast<SharedIconStyle*>(QApplication::style()))
        QApplication::setStyle(new SharedIconStyle);
    QPixmapCache::setCacheLimit(2 * 1024);
    menus_ = std::make_unique<GameMenus>(*ui_, this);
    settings_ = GameSettings::load(keeper_.files().settings());
    menus_->show(settings_);
    connectCommands();

    if (!scene_.mistakeLoaded() && !assetFolder.isEmpty())
        Prompt::fatalError("Failed to load mistake.png!");
    if (!scene_.setBackground(settings_.background) && !assetFolder.isEmpty())
        Prompt::fatalError("Failed to load background file!");
    applySwitches();
    sounds_ = std::make_unique<SoundBank>(
        [] { Prompt::fatalError("Unable to open audio!"); }, QFile::encodeName(assetFolder).toStdString());

    // The surface fills the central widget; painting translates back to the window's
    // origin, and pointer events it ignores reach the window in window coordinates.
    surface_ = DrawingSurface::create(ui_->centralWidget, [this](QPainter& painter) {
        painter.translate(-surface_->mapTo(this, QPoint(0, 0)));
        scene_.paint(painter, size(), session_);
    });
    auto* layout = new QVBoxLayout(ui_->centralWidget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(surface_);

    tickTimer_ = new QTimer(this);
    connect(tickTimer_, &QTimer::timeout, this, &MainWindow::Tick);
    tickTimer_->start(10);
    showCommands();
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
    connect(ui_->actionHighScore, &QAction::triggered, this, &MainWindow::showHighScores);
    connect(ui_->actionHint, &QAction::triggered, this, &MainWindow::MenuHint);
    connect(ui_->actionMarks, &QAction::triggered, this, &MainWindow::MenuMarking);
    connect(ui_->actionUndo, &QAction::triggered, this, [this] {
        answer(session_.undo());
        showCommands();
    });
    connect(ui_->actionRedo, &QAction::triggered, this, [this] {
        answer(session_.redo());
        showCommands();
    });
    connect(ui_->actionNew_Game, &QAction::triggered, this, &MainWindow::MenuNewGame);
    connect(ui_->actionHow_To_Play, &QAction::triggered, this, [] { OpenHelp("Help//howtoplay.html"); });
    connect(ui_->actionAbout, &QAction::triggered, this, &MainWindow::showAbout);
    connect(ui_->actionPause, &QAction::triggered, this, &MainWindow::MenuPause);
    for (QAction* entry : {ui_->actionParticles, ui_->actionHighContrast})
        connect(entry, &QAction::triggered, this, &MainWindow::applySwitches);
    connect(ui_->actionMusic, &QAction::triggered, this, [this] { sounds_->applyMusicSwitch(menus_->musicOn()); });
    connect(menus_->backgrounds(), &QActionGroup::triggered, this,
        [this](QAction* entry) { scene_.setBackground(menus_->backgroundOf(entry)); });
}

void MainWindow::applySwitches()
{
    scene_.setParticlesOn(menus_->particlesOn());
    scene_.setHighContrast(menus_->highContrast());
}

bool MainWindow::SaveSettings()
{
    settings_ = menus_->chosen(settings_);
    return settings_.save(keeper_.files().settings());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    scene_.fit(size(), menuBar()->height());
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
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
        if (Prompt::ask(this, "New game?"))
            MenuNewGame();
        break;
    default: event->ignore(); break;
    }
}
