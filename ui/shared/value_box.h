// A calculator's value box: a text box that always shows its text from the first character,
// marks the cut where the text is wider than the box, and says when its text reads otherwise
// than it shows or when the result it holds no longer belongs to the inputs.
#pragma once

#include <QLineEdit>
#include <QStringList>

namespace ui {

class ValueBox : public QLineEdit {
    Q_OBJECT
public:
    // help names the box, as 「A：第一断面墙身顶宽（米）」: its accessible name and first tooltip line.
    ValueBox(const QString& text, const QString& help, QWidget* parent = nullptr);

    // An input is read by the computation, so a text that does not read wholly as a number is
    // marked; a batter ratio is also marked at 1 or more, which is almost always a percentage.
    // A result is written by it, and can be out of date.
    enum class Role { Input, Ratio, Result };
    void setRole(Role role);
    Role role() const { return role_; }
    void setStale(bool stale);
    // What the box's description says first, as 「第一断面墙身顶宽 A，图例中已标出」.
    void setLegendNote(const QString& note);
    bool stale() const { return stale_; }
    // What the window's checks found in this box, as 「空格按 0 计算」: marked as a reading is, after
    // the reading's own reason.
    void setCheckNotes(const QStringList& notes);

    // Why the text is marked, empty when it is not: 「读作 1」 and the like, and the check notes.
    QString markReason() const { return markReason_; }
    // Whether the text is wider than the box, so that the box shows its beginning and a cut.
    bool cut() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();
    QRect textRect() const;

    QString help_;
    QString legendNote_;
    QStringList checkNotes_;
    Role role_ = Role::Input;
    bool stale_ = false;
    QString markReason_;
};

}  // namespace ui
