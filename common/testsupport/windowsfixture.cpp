#include "common/testsupport/windowsfixture.h"

#include <QFile>

namespace common::testing {

void WindowsFixture::SetUp()
{
    ASSERT_TRUE(m_folder.isValid());
}

QString WindowsFixture::filePath(const QString& name) const
{
    return m_folder.filePath(name);
}

void WindowsFixture::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray WindowsFixture::readFile(const QString& name, const QByteArray& whenMissing) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : whenMissing;
}

QStringList WindowsFixture::itemsOf(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    return items;
}

} // namespace common::testing
