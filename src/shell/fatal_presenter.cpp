#include "shell/fatal_presenter.h"

#include <QMessageBox>
#include <QPointer>

namespace {

QPointer<QWidget>& Owner()
{
    static QPointer<QWidget> owner;
    return owner;
}

}  // namespace

void SetFatalErrorOwner(QWidget* owner)
{
    Owner() = owner;
}

void ShowFatalErrorBox(const char* text, const char* caption)
{
    // The program's texts are single-byte strings.
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(caption), QString::fromLatin1(text),
                    QMessageBox::Ok, Owner().data());
    box.exec();
}
