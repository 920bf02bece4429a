// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignerWindow.h"

#include "DesignCode.h"
#include "DesignEdits.h"
#include "DesignList.h"
#include "DesignPuzzle.h"
#include "DesignSizeBox.h"
#include "DurableFile.h"
#include "GameWords.h"
#include "HelpBrowser.h"
#include "NonFormat.h"
#include "Prompt.h"
#include "PuzzleFileOpening.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using Clock = std::chrono::steady_clock;
using Finding = DesignVerdict::Finding;
using SuggestionKind = DesignVerdict::Suggestion::Kind;

// Each tick gives the verdict half of itself; the other half is the window's.
constexpr auto slice = std::chrono::milliseconds(5);
// A verdict that takes longer than this to give its first answer says that it is working;
// a quicker one replaces the last without a flicker in between.
constexpr qint64 patienceMs = 150;

// The licences a player most often gives a picture, SPDX's codes; any other may be typed.
constexpr const char* licences[] = {
    "CC-BY-SA-4.0", "CC-BY-4.0", "CC0-1.0", "CC-BY-NC-SA-4.0", "CC-BY-NC-4.0", "CC-BY-ND-4.0"};

} // namespace

DesignerWindow::DesignerWindow(Play play, Keep keep, QWidget* parent)
    : QMainWindow(parent)
    , play_(std::move(play))
    , keep_(std::move(keep))
    , canvas_(new DesignCanvas(history_, this))
    , tick_(new QTimer(this))
{
    setWindowTitle(tr("Tessarin Designer"));
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(canvas_, 1);
    layout->addWidget(buildPanel());
    setCentralWidget(central);
    buildMenus();
    tick_->setInterval(10);
    connect(tick_, &QTimer::timeout, this, &DesignerWindow::tick);
    connect(canvas_, &DesignCanvas::drawn, this, &DesignerWindow::changed);
    resize(900, 640);
    begin(Design::blank(10, 10));
}

QWidget* DesignerWindow::buildPanel()
{
    auto* panel = new QWidget(this);
    panel->setFixedWidth(280);
    auto* column = new QVBoxLayout(panel);
    verdictLabel_ = new QLabel(panel);
    verdictLabel_->setWordWrap(true);
    verdictLabel_->setObjectName("verdict");
    suggestionLabel_ = new QLabel(panel);
    suggestionLabel_->setWordWrap(true);
    suggestionLabel_->setObjectName("suggestion");
    takeButton_ = new QPushButton(tr("Take It"), panel);
    // The fields below stay where they are whether or not there is a suggestion.
    QSizePolicy kept = takeButton_->sizePolicy();
    kept.setRetainSizeWhenHidden(true);
    takeButton_->setSizePolicy(kept);
    verdictLabel_->setMinimumHeight(verdictLabel_->fontMetrics().lineSpacing() * 4);
    verdictLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    suggestionLabel_->setMinimumHeight(suggestionLabel_->fontMetrics().lineSpacing() * 3);
    suggestionLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(takeButton_, &QPushButton::clicked, this, &DesignerWindow::TakeSuggestion);
    column->addWidget(verdictLabel_);
    column->addWidget(suggestionLabel_);
    column->addWidget(takeButton_, 0, Qt::AlignLeft);
    column->addSpacing(16);

    auto* form = new QFormLayout;
    title_ = new QLineEdit(panel);
    author_ = new QLineEdit(panel);
    licence_ = new QComboBox(panel);
    licence_->setEditable(true);
    for (const char* licence : licences)
        licence_->addItem(licence);
    form->addRow(tr("Title:"), title_);
    form->addRow(tr("Author:"), author_);
    form->addRow(tr("Licence:"), licence_);
    column->addLayout(form);
    for (QLineEdit* edit : {title_, author_, licence_->lineEdit()})
        connect(edit, &QLineEdit::textEdited, this, &DesignerWindow::textsEdited);
    connect(licence_, &QComboBox::activated, this, &DesignerWindow::textsEdited);

    column->addSpacing(16);
    const auto button = [&](const QString& text, const std::function<void()>& command) {
        auto* pushButton = new QPushButton(text, panel);
        connect(pushButton, &QPushButton::clicked, this, command);
        column->addWidget(pushButton);
    };
    button(tr("Play It"), [this] { PlayIt(); });
    button(tr("Save As…"), [this] { SaveAs(); });
    button(tr("Share Code…"), [this] { ShareCode(); });
    column->addStretch(1);
    return panel;
}

void DesignerWindow::buildMenus()
{
    QMenu* design = menuBar()->addMenu(tr("&Design"));
    design->addAction(tr("&New Design…"), QKeySequence::New, this, [this] { askForNew(); });
    design->addAction(tr("&Open Puzzle File…"), QKeySequence::Open, this, &DesignerWindow::OpenFile);
    design->addAction(tr("&Save As…"), QKeySequence::Save, this, [this] { SaveAs(); });
    design->addAction(tr("Share &Code…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this, [this] { ShareCode(); });
    design->addAction(tr("&Play It"), QKeySequence(Qt::CTRL | Qt::Key_P), this, &DesignerWindow::PlayIt);
    design->addSeparator();
    design->addAction(tr("&Close"), QKeySequence::Close, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    undo_ = edit->addAction(tr("&Undo"), QKeySequence::Undo, this, &DesignerWindow::Undo);
    redo_ = edit->addAction(tr("&Redo"), QKeySequence::Redo, this, &DesignerWindow::Redo);
    take_ = edit->addAction(tr("&Take the Suggestion"), QKeySequence(Qt::CTRL | Qt::Key_T), this,
        &DesignerWindow::TakeSuggestion);
    edit->addAction(tr("&Give or Take Back the Cursor's Cell"), QKeySequence(Qt::Key_G), this, [this] {
        const QPoint at = canvas_->cursor();
        command([at](Design& design) { design.setGiven(at.x(), at.y(), !design.given(at.x(), at.y())); });
    });
    edit->addSeparator();
    edit->addAction(tr("C&lear"), this, [this] { command(DesignEdits::clear); });
    edit->addAction(tr("&Invert"), QKeySequence(Qt::CTRL | Qt::Key_I), this, [this] { command(DesignEdits::invert); });
    struct Shift {
        const char* text;
        int key;
        int columns;
        int rows;
    };
    for (const Shift& shift : {Shift {QT_TR_NOOP("Shift &Left"), Qt::Key_Left, -1, 0},
             Shift {QT_TR_NOOP("Shift &Right"), Qt::Key_Right, 1, 0}, Shift {QT_TR_NOOP("Shift U&p"), Qt::Key_Up, 0, -1},
             Shift {QT_TR_NOOP("Shift &Down"), Qt::Key_Down, 0, 1}})
        edit->addAction(tr(shift.text), QKeySequence(Qt::ALT | shift.key), this,
            [this, shift] { command([shift](Design& d) { DesignEdits::shift(d, shift.columns, shift.rows); }); });
    edit->addAction(tr("&Mirror Left and Right"), this,
        [this] { command([](Design& design) { DesignEdits::mirror(design, true); }); });
    edit->addAction(tr("Mirror &Top and Bottom"), this,
        [this] { command([](Design& design) { DesignEdits::mirror(design, false); }); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&Designing Puzzles"), QKeySequence::HelpContents, this,
        [] { OpenHelp("Help//designing.html"); });
}

void DesignerWindow::begin(Design design, std::string keptAs)
{
    keptAs_ = std::move(keptAs);
    everKept_ = !keptAs_.empty();
    kept_ = design;
    title_->setText(QString::fromStdString(design.title));
    author_->setText(QString::fromStdString(design.author));
    licence_->setCurrentText(QString::fromStdString(design.licence));
    history_.reset(std::move(design));
    canvas_->restart();
    changed();
}

bool DesignerWindow::askForNew()
{
    const std::optional<QSize> size = DesignSizeBox::ask(this);
    if (!size)
        return false;
    if (!keptUnchanged()
        && !Prompt::ask(this, tr("The design drawn here has not been kept. Start a new one all the same?")))
        return false;
    Design blank = Design::blank(size->width(), size->height());
    blank.author = history_.design().author;
    begin(std::move(blank));
    return true;
}

void DesignerWindow::command(const std::function<void(Design&)>& change)
{
    history_.commit();
    change(history_.edit());
    history_.commit();
    changed();
}

void DesignerWindow::textsEdited()
{
    Design& design = history_.edit();
    design.title = oneLine(title_->text().trimmed().toStdString());
    design.author = oneLine(author_->text().trimmed().toStdString());
    design.licence = oneLine(licence_->currentText().trimmed().toStdString());
    // A change of text is no step to undo.
    history_.commit();
}

void DesignerWindow::Undo()
{
    history_.undo();
    changed();
}

void DesignerWindow::Redo()
{
    history_.redo();
    changed();
}

void DesignerWindow::changed()
{
    followHistory();
    canvas_->update();
    tick_->start();
}

void DesignerWindow::followHistory()
{
    undo_->setEnabled(history_.canUndo());
    redo_->setEnabled(history_.canRedo());
}

void DesignerWindow::tick()
{
    if (judging_ != history_.revision()) {
        verdict_.start(history_.design());
        judging_ = history_.revision();
        judgingFor_.start();
    }
    verdict_.advance(Clock::now() + slice);
    if (verdict_.finding() != Finding::Working || judgingFor_.elapsed() >= patienceMs)
        showVerdict();
    if (verdict_.done() && judging_ == history_.revision())
        tick_->stop();
}

QString DesignerWindow::verdictText() const
{
    switch (verdict_.finding()) {
    case Finding::Working: return tr("Working out what logic makes of the picture…");
    case Finding::Empty: return tr("Draw a picture: the left button fills cells, the right one clears them.");
    case Finding::Logic:
        return tr("Logic finishes it; hardest technique: %1").arg(GameWords::technique(verdict_.hardestTechnique()));
    case Finding::Searching:
        return tr("Unknown yet: logic stalls on the shaded cells, and the search for another solution goes on…");
    case Finding::Guess: return tr("Needs a guess: the shaded cells cannot be decided by logic");
    case Finding::Several: return tr("More than one solution: the shaded cells can be swapped");
    case Finding::Unknown:
        return tr("Unknown: logic stalls on the shaded cells, and the search could not tell in time whether another "
                  "solution fits");
    }
    return {};
}

QString DesignerWindow::suggestionText() const
{
    const DesignVerdict::Suggestion& suggestion = verdict_.suggestion();
    switch (suggestion.kind) {
    case SuggestionKind::Toggle:
        return history_.design().filled(suggestion.x, suggestion.y)
            ? tr("Clear the marked cell: logic then finishes the picture.")
            : tr("Fill the marked cell: logic then finishes the picture.");
    case SuggestionKind::Give: return tr("Give the marked cell at the start: logic decides the most from it.");
    case SuggestionKind::None: break;
    }
    if (verdict_.judged() && !verdict_.done())
        return tr("Looking for a cell that helps…");
    return {};
}

void DesignerWindow::showVerdict()
{
    verdictLabel_->setText(verdictText());
    suggestionLabel_->setText(suggestionText());
    const bool suggested = verdict_.suggestion().kind != SuggestionKind::None;
    takeButton_->setVisible(suggested);
    take_->setEnabled(suggested);
    canvas_->showVerdict(verdict_.shaded(), verdict_.suggestion());
}

void DesignerWindow::TakeSuggestion()
{
    // Only a suggestion for the picture in view: one still being worked out is not shown.
    if (judging_ != history_.revision() || verdict_.suggestion().kind == SuggestionKind::None)
        return;
    const DesignVerdict::Suggestion suggestion = verdict_.suggestion();
    command([suggestion](Design& design) {
        if (suggestion.kind == SuggestionKind::Toggle)
            design.set(suggestion.x, suggestion.y, !design.filled(suggestion.x, suggestion.y));
        else
            design.setGiven(suggestion.x, suggestion.y, true);
    });
}

bool DesignerWindow::keptUnchanged() const
{
    const Design& design = history_.design();
    return design.empty()
        || (everKept_ && design.samePicture(kept_) && design.title == kept_.title && design.author == kept_.author
            && design.licence == kept_.licence);
}

bool DesignerWindow::keep()
{
    if (!keep_(history_.design(), keptAs_))
        return false;
    kept_ = history_.design();
    keptAs_ = designId(kept_);
    everKept_ = true;
    return true;
}

void DesignerWindow::PlayIt()
{
    if (history_.design().empty()) {
        Prompt::tell(this, tr("<p>There is nothing to play yet: draw a picture first.</p>"));
        return;
    }
    keep();
    play_(history_.design());
}

bool DesignerWindow::SaveAs(const QString& chosenPath)
{
    const Design& design = history_.design();
    QString path = chosenPath;
    if (path.isEmpty()) {
        const QString name = design.title.empty() ? tr("design") : QString::fromStdString(design.title);
        path = QFileDialog::getSaveFileName(this, tr("Save Design"), QDir::home().filePath(name + ".non"),
            tr("Puzzle files (*.non)"));
        if (path.isEmpty())
            return false;
    }
    PuzzleFile file;
    file.clues = design.clues();
    file.title = design.title;
    file.author = design.author;
    file.licence = design.licence;
    file.goal = design.picture();
    file.givens = design.givens;
    QString why;
    if (!DurableFile::write(path, QByteArray::fromStdString(writeNon(file)), &why)) {
        Prompt::tell(this,
            tr("<p>The design could not be saved as %1:</p><p>%2.</p><p>Nothing was written there.</p>")
                .arg(QDir::toNativeSeparators(path).toHtmlEscaped(), why.toHtmlEscaped()));
        return false;
    }
    keep();
    return true;
}

QString DesignerWindow::ShareCode()
{
    const Design& design = history_.design();
    if (design.empty()) {
        Prompt::tell(this, tr("<p>There is nothing to share yet: draw a picture first.</p>"));
        return {};
    }
    const QString code = QString::fromStdString(DesignCode::of(design));
    QApplication::clipboard()->setText(code);
    keep();
    Prompt::tell(this,
        tr("<p>The design's code is copied: a friend enters it with Game &gt; Enter Puzzle Code (Ctrl+E).</p><p>%1</p>")
            .arg(code));
    return code;
}

void DesignerWindow::OpenFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Puzzle File"), QDir::homePath(),
        tr("Puzzle files (*.non *.nonpack *.nin *.xml *.g *.mk);;All files (*)"));
    if (path.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PuzzleFileOpening opening = openPuzzleFile(path);
    QApplication::restoreOverrideCursor();
    const std::optional<Design> design = opening.opened ? designFromPuzzle(opening.puzzle) : std::nullopt;
    if (!design) {
        const QString why = !opening.opened ? opening.error
            : opening.puzzle.solutions.empty()
            ? tr("no picture that fits its clues is known")
            : tr("the designer draws from %1x%1 to %2x%2 cells").arg(Design::smallestSide).arg(Design::largestSide);
        Prompt::tell(this,
            tr("<p>%1 could not be opened as a design:</p><p>%2.</p>")
                .arg(QDir::toNativeSeparators(path).toHtmlEscaped(), why.toHtmlEscaped()));
        return;
    }
    if (!keptUnchanged()
        && !Prompt::ask(this, tr("The design drawn here has not been kept. Open the file all the same?")))
        return;
    begin(*design);
}

void DesignerWindow::KeepWithoutAsking()
{
    if (!keptUnchanged())
        keep();
}

void DesignerWindow::closeEvent(QCloseEvent* event)
{
    if (!keptUnchanged()) {
        const Prompt::Answer answer
            = Prompt::askOrCancel(this, tr("Keep this design in the gallery's album My designs?"));
        if (answer == Prompt::Answer::Cancel || (answer == Prompt::Answer::Yes && !keep())) {
            event->ignore();
            return;
        }
    }
    tick_->stop();
    event->accept();
}
