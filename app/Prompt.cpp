#include "Prompt.h"

#include <QMessageBox>

namespace {
Prompt::Responder& responder()
{
    static Prompt::Responder instance;
    return instance;
}
} // namespace

namespace Prompt {

bool ask(QWidget* parent, const QString& question)
{
    if (responder())
        return responder()(question);
    QMessageBox box(QMessageBox::NoIcon, "Tessarin", question, QMessageBox::Yes | QMessageBox::No, parent);
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

void fatalError(const QString& text)
{
    if (responder()) {
        responder()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, "Fatal Error", text, QMessageBox::Ok);
    box.exec();
}

void setResponder(Responder newResponder)
{
    responder() = std::move(newResponder);
}

} // namespace Prompt
