#pragma once

#include "common/testsupport/recordingmessageservice.h"

#include <QByteArray>
#include <QComboBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace common::testing {

// What a test of a program's windows starts from: a fresh working folder,
// the messages the windows tell, and named controls found on a window.
class WindowsFixture : public ::testing::Test
{
protected:
    void SetUp() override;

    [[nodiscard]] QString folder() const { return m_folder.path(); }
    [[nodiscard]] QString filePath(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    // The file's bytes, or whenMissing when it cannot be read.
    [[nodiscard]] QByteArray readFile(const QString& name,
                                      const QByteArray& whenMissing = {}) const;

    // The texts of a list's items in their order.
    [[nodiscard]] static QStringList itemsOf(const QComboBox* list);

    // The window's control of that object name; a failed expectation when
    // there is none.
    template <typename Widget> static Widget* childOf(const QWidget& window, const char* name)
    {
        auto* widget = window.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QTemporaryDir m_folder;
    RecordingMessageService m_messages;
};

} // namespace common::testing
