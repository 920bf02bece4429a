#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every question the game asks and every fatal error it reports goes through here, so that
// tests can answer without a real message box.
namespace Prompt {

// A Yes/No question in a box titled "Tessarin" without icon, modal to the window that asks
// (other top-level windows, such as help pages, stay usable). True on Yes.
bool ask(QWidget* parent, const QString& question);

// A box titled "Fatal Error" with the text and an OK button; returns when it is closed and
// the caller carries on.
void fatalError(const QString& text);

// Replaces the boxes: questions get the responder's answer, fatal errors are passed to it
// (its answer is ignored). An empty responder restores the boxes.
using Responder = std::function<bool(const QString& text)>;
void setResponder(Responder responder);

} // namespace Prompt
