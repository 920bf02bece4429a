// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Every question and message box the game shows goes through here, so that tests can answer
// them without a real box. Boxes are titled "Tessarin", have no icon and are modal to the
// window that asks, so other top-level windows (help pages) stay usable.
namespace Prompt {

enum class Answer { No, Yes, Cancel };

// Yes and No; true on Yes.
bool ask(QWidget* parent, const QString& question);
// The same, placed as offerHelp() places its box: clear of keepClear, the parent's cells the
// question is about.
bool askBeside(QWidget* parent, const QString& question, const QRect& keepClear);

// Yes, No and Cancel; Escape and the title bar's close cancel.
Answer askOrCancel(QWidget* parent, const QString& question);

// OK only.
void tell(QWidget* parent, const QString& message);

// OK and Help, placed 100 pixels right of and below the parent's corner, or as near to
// there as it can stand without covering keepClear (in the parent's coordinates), so that
// what it talks about stays in view; true when Help was chosen.
bool offerHelp(QWidget* parent, const QString& message, const QRect& keepClear);

// Where a box of that size goes in area: at preferred if it covers nothing of keepClear,
// else moved straight left, right, up or down by the least that clears it, inside area if it
// can be; and in any case inside screen, even if it must then cover some of keepClear.
QPoint placeClear(
    const QRect& area, const QRect& screen, const QSize& box, const QPoint& preferred, const QRect& keepClear);

// A line of text, with OK and Cancel; none on Cancel.
std::optional<QString> askText(QWidget* parent, const QString& question);

// Titled "Fatal Error", OK only, without parent; the caller carries on afterwards. The text
// is written to standard error as well, after "Fatal Error: ".
void fatalError(const QString& text);

// Replaces the boxes: each gets the responder's answer (Yes for Help; Cancel is No where
// there is no Cancel; ignored for boxes with OK only). An empty responder restores the boxes.
using Responder = std::function<Answer(const QString& text)>;
void setResponder(Responder responder);
// Replaces the text boxes likewise.
using TextResponder = std::function<std::optional<QString>(const QString& question)>;
void setTextResponder(TextResponder responder);

} // namespace Prompt
