// Esc is a shortcut of the whole window, so it returns from wherever the focus is, except where a
// child takes it for itself, as a table cell's editor does to drop what was typed.
#include "returning_window.h"

#include "window_menu.h"

#include <QCloseEvent>
#include <QMenu>
#include <QShortcut>

namespace ui {

ReturningWindow::ReturningWindow(QWidget* parent) : QWidget(parent)
{
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &ReturningWindow::giveBack);
}

void ReturningWindow::giveBack()
{
    hide();
    emit returned();
}

void ReturningWindow::addReturnEntry(QMenu& file)
{
    file.addSeparator();
    addWindowAction(*this, file, "returnToMain", QStringLiteral("返回"), {}, [this] { giveBack(); });
}

// The close box refuses to close: the window is hidden instead, nothing discarded.
void ReturningWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    giveBack();
}

}  // namespace ui
