// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesignCanvas.h"
#include "DesignHistory.h"
#include "DesignVerdict.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The designer: a window of its own beside the game's, where the player draws a picture and
// sees, as they draw, what logic makes of it. The verdict is worked out in slices of a 10 ms
// tick of the window's own, started again by every change, so drawing never waits for it;
// until the new verdict has its first answer, the last one stays in view. From here a design
// is played (by the game's window), saved as a ".non" file, shared as a code, and kept in
// the gallery's album "My designs".
class DesignerWindow : public QMainWindow {
    Q_OBJECT

public:
    // Plays a design in the game's window.
    using Play = std::function<void(const Design& design)>;
    // Keeps a design in "My designs" in place of the one with the id replacing (or as a new
    // one); false when it could not be kept, the player having been told why.
    using Keep = std::function<bool(const Design& design, const std::string& replacing)>;
    DesignerWindow(Play play, Keep keep, QWidget* parent = nullptr);

    // Starts drawing a design afresh: nothing to undo. keptAs is the id it is kept under in
    // "My designs", if it came from there.
    void begin(Design design, std::string keptAs = {});
    // Asks the size, then begins a blank design; false when the player cancelled.
    bool askForNew();

    // For tests: what is drawn, what the verdict says, the canvas and the texts shown.
    const DesignHistory& history() const { return history_; }
    const DesignVerdict& verdict() const { return verdict_; }
    DesignCanvas* canvas() const { return canvas_; }
    QString verdictText() const;
    QString suggestionText() const;
    QTimer* tickTimer() const { return tick_; }

public slots:
    void OpenFile();
    bool SaveAs(const QString& path = {});
    // The code, copied to the clipboard and shown.
    QString ShareCode();
    void PlayIt();
    void TakeSuggestion();
    void Undo();
    void Redo();
    // The game is told to stop: a design not kept is kept in "My designs" without a question.
    void KeepWithoutAsking();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildPanel();
    // A whole-picture command, as one step.
    void command(const std::function<void(Design&)>& change);
    void textsEdited();
    // The picture changed: the verdict starts again on the next tick.
    void changed();
    void tick();
    void showVerdict();
    // Keeps the design in "My designs" (for Play, Save and Share); false when it could not be.
    bool keep();
    bool keptUnchanged() const;
    void followHistory();

    Play play_;
    Keep keep_;
    DesignHistory history_;
    DesignVerdict verdict_;
    // The revision the verdict works on, and since when.
    unsigned judging_ = ~0u;
    QElapsedTimer judgingFor_;
    std::string keptAs_;
    // The picture and texts as last kept, to tell whether closing loses anything.
    Design kept_;
    bool everKept_ = false;
    DesignCanvas* canvas_;
    QTimer* tick_;
    QLabel* verdictLabel_ = nullptr;
    QLabel* suggestionLabel_ = nullptr;
    QPushButton* takeButton_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLineEdit* author_ = nullptr;
    QComboBox* licence_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* take_ = nullptr;
};
