// Drives a window as a person would: finds controls by name, types into boxes, clicks buttons.
#pragma once

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTableView>
#include <QTest>
#include <QWidget>

#include <initializer_list>
#include <utility>

inline QLineEdit* box(const QWidget& window, const QString& name)
{
    auto* found = window.findChild<QLineEdit*>(name);
    if (!found) {
        qFatal("no text box %s", qPrintable(name));
    }
    return found;
}

inline QString text(const QWidget& window, const QString& name)
{
    return box(window, name)->text();
}

// Clicks into the box, selects what it holds and types over it.
inline void type(const QWidget& window, const QString& name, const QString& typed)
{
    QLineEdit* target = box(window, name);
    QTest::mouseClick(target, Qt::LeftButton);
    target->selectAll();
    QTest::keyClicks(target, typed);
}

// Types into each named box in turn, as a person filling in the window would.
inline void typeEach(const QWidget& window, std::initializer_list<std::pair<const char*, const char*>> entries)
{
    for (const auto& [name, typed] : entries) {
        type(window, name, typed);
    }
}

inline QAction* action(const QWidget& window, const char* name)
{
    auto* found = window.findChild<QAction*>(name);
    if (!found) {
        qFatal("no action %s", name);
    }
    return found;
}

inline void click(const QWidget& window, const QString& name)
{
    auto* button = window.findChild<QPushButton*>(name);
    if (!button) {
        qFatal("no button %s", qPrintable(name));
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

// Over what the box held, as an input method commits text (keyClicks takes Latin-1 alone);
// nothing typed is a delete.
inline void commitText(QWidget& target, const QString& typed)
{
    QTest::keyClick(&target, Qt::Key_A, Qt::ControlModifier);
    if (typed.isEmpty()) {
        QTest::keyClick(&target, Qt::Key_Backspace);
        return;
    }
    QInputMethodEvent event;
    event.setCommitString(typed);
    QCoreApplication::sendEvent(&target, &event);
}

// Moves to a table's cell, opens it with F2, types over it and ends with Enter.
inline void typeInCell(QTableView& table, int row, int column, const QString& typed)
{
    const QModelIndex cell = table.model()->index(row, column);
    table.setCurrentIndex(cell);
    QTest::keyClick(&table, Qt::Key_F2);
    QWidget* editor = table.indexWidget(cell);
    if (!qobject_cast<QLineEdit*>(editor)) {
        qFatal("cell %d,%d did not open for typing", row, column);
    }
    commitText(*editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the editor's commit waits for the key to be through
}

// What the widget draws, in one pixel format whatever the screen's.
inline QImage grabbed(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The one window on screen; null when none or more than one is.
inline QWidget* visibleWindow()
{
    QWidget* visible = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            if (visible) {
                return nullptr;
            }
            visible = window;
        }
    }
    return visible;
}

// The names of the controls that the focus visits, pressing Tab from where it is now,
// until it comes back to where it started.
inline QStringList tabStops(QWidget& window)
{
    QStringList stops;
    const QWidget* start = window.focusWidget();
    stops << start->objectName();
    for (int n = 0; n < 200; ++n) {
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        if (window.focusWidget() == start) {
            break;
        }
        stops << window.focusWidget()->objectName();
    }
    return stops;
}
