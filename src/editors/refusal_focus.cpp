#include "refusal_focus.h"

#include "messages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

void showRefusal(const RecordRefusal& refusal, int sheetStyle) {
    AppMessageBox(refusalText(refusal), refusal.code != ErrorCode::None ? kMbOk : sheetStyle);
}

void focusField(QWidget* field) {
    if (!field)
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* list = qobject_cast<QComboBox*>(field); list && list->lineEdit())
        list->lineEdit()->selectAll();
}
