#include "Prompt.h"

#include <QDebug>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

Prompt::Responder& responder()
{
    static Prompt::Responder instance;
    return instance;
}

Prompt::TextResponder& textResponder()
{
    static Prompt::TextResponder instance;
    return instance;
}

QMessageBox::StandardButton show(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, const QPoint* offset = nullptr)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (parent && offset)
        box.move(parent->pos() + *offset);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

namespace Prompt {

bool ask(QWidget* parent, const QString& question)
{
    if (responder())
        return responder()(question) == Answer::Yes;
    return show(parent, "Tessarin", question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer askOrCancel(QWidget* parent, const QString& question)
{
    if (responder())
        return responder()(question);
    switch (show(parent, "Tessarin", question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

void tell(QWidget* parent, const QString& message)
{
    if (responder()) {
        responder()(message);
        return;
    }
    show(parent, "Tessarin", message, QMessageBox::Ok);
}

std::optional<QString> askText(QWidget* parent, const QString& question)
{
    if (textResponder())
        return textResponder()(question);
    QInputDialog box(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.setWindowTitle("Tessarin");
    box.setLabelText(question);
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

bool offerHelp(QWidget* parent, const QString& message)
{
    if (responder())
        return responder()(message) == Answer::Yes;
    const QPoint offset(100, 100);
    return show(parent, "Tessarin", message, QMessageBox::Ok | QMessageBox::Help, &offset) == QMessageBox::Help;
}

void fatalError(const QString& text)
{
    // Also on the terminal, where a bug report can copy it from.
    qWarning().noquote() << "Fatal Error:" << text;
    if (responder()) {
        responder()(text);
        return;
    }
    show(nullptr, "Fatal Error", text, QMessageBox::Ok);
}

void setResponder(Responder newResponder)
{
    responder() = std::move(newResponder);
}

void setTextResponder(TextResponder responder)
{
    textResponder() = std::move(responder);
}

} // namespace Prompt
