// The legend of a button-like control: push button, check box, radio button or group box.
// Qt spreads these over two class trees (QAbstractButton and QGroupBox), so this is not a
// widget of its own but is attached to the control the layout made, the way the label
// controls are bound to a dialog's controls.
#pragma once

#include <QPointer>
#include <QWidget>

class TelaUserButton {
public:
    explicit TelaUserButton(QWidget* control) : m_control(control) {}

    // Shows the text of the string id on the attached control; non-zero when the control
    // took it and the library holds a text for the id.
    int SetLegend(int id);

private:
    QPointer<QWidget> m_control;
};
