// Esc is a shortcut of the whole window, so it returns from wherever the focus is, except where a
// child takes it for itself, as a table cell's editor does to drop what was typed.
#include "returning_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace ui {

ReturningWindow::ReturningWindow(QWidget* parent) : QWidget(parent)
{
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &ReturningWindow::giveBack);
}

QMenuBar* ReturningWindow::addMenuBar()
{
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    return bar;
}

QAction* ReturningWindow::addEntry(QMenu& menu, const char* objectName, const QString& text, const QKeySequence& keys,
                                   const std::function<void()>& slot)
{
    QAction* action = menu.addAction(text);
    action->setObjectName(objectName);
    action->setShortcut(keys);
    addAction(action);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void ReturningWindow::addReturnEntry(QMenu& file)
{
    file.addSeparator();
    addEntry(file, "returnToMain", QStringLiteral("返回"), {}, [this] { giveBack(); });
}

void ReturningWindow::giveBack()
{
    hide();
    emit returned();
}

// The close box refuses to close: the window is hidden instead, nothing discarded.
void ReturningWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    giveBack();
}

}  // namespace ui
