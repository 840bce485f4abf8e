#include "kwitola/ui/controlfactory.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QListView>

namespace kwitola::ui {

void nameControl(QWidget& control, const char* name, const QRect& geometry)
{
    control.setObjectName(QLatin1String(name));
    control.setGeometry(geometry);
}

QComboBox* makeList(QWidget* parent, const char* name, const QRect& geometry, int rowsOpen)
{
    auto* list = makeControl<QComboBox>(parent, name, geometry);
    list->setMaxVisibleItems(rowsOpen);
    // Lists of a hundred thousand entries open quickly only with rows of one height.
    if (auto* view = qobject_cast<QListView*>(list->view())) {
        view->setUniformItemSizes(true);
    }
    return list;
}

bool isEnterPress(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace kwitola::ui
