#include "kwitola/ui/comboentries.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringListModel>

namespace kwitola::ui {

void setComboEntries(QComboBox& list, const QStringList& texts)
{
    const QSignalBlocker quiet(list);
    // One model reset, not a hundred thousand single inserts.
    if (auto* model = qobject_cast<QStringListModel*>(list.model())) {
        model->setStringList(texts);
    } else {
        list.setModel(new QStringListModel(texts, &list));
    }
    list.setCurrentIndex(texts.isEmpty() ? -1 : 0);
}

void chooseComboEntry(QComboBox& list, const QString& text)
{
    const QSignalBlocker quiet(list);
    list.setCurrentIndex(list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace kwitola::ui
