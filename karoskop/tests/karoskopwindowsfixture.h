#pragma once

#include "common/testsupport/windowsfixture.h"
#include "karoskop/ui/karoskopwindows.h"
#include "karoskop/ui/tfmainvin.h"
#include "karoskop/ui/tfvinfind.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace karoskop::testing {

// The five windows on a fresh working folder, with the main window shown
// and active so that the focus can be followed.
class WindowsTest : public common::testing::WindowsFixture
{
protected:
    void SetUp() override
    {
        WindowsFixture::SetUp();
        windows = std::make_unique<KaroskopWindows>(m_messages, folder());
        main().show();
        QApplication::setActiveWindow(&main());
        main().activateWindow();
        main().focusField(1);
        QApplication::processEvents();
    }
    void TearDown() override
    {
        windows.reset();
        QApplication::processEvents();
    }

    TfMainVin& main() { return windows->mainVin(); }
    // Lets the result window come on screen and do what waits for that
    // (the question after a run that found several types).
    void resultOnScreen()
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&result()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !result().modelQuestionPending(); }));
    }
    TfVinFind& result() { return windows->vinFind(); }

    QLineEdit* edit(int n) const
    {
        return windows->mainVin().findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
    }
    QString label(const char* name)
    {
        auto* l = result().findChild<QLabel*>(QLatin1String(name));
        return l != nullptr ? l->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
    }
    void click(QWidget& window, const char* name)
    {
        auto* w = window.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        QTest::mouseClick(w, Qt::LeftButton);
    }
    void clickMain(const char* name) { click(main(), name); }

    // Types one character into a widget as the keyboard would, diacritics
    // included.
    static void typeChar(QWidget* target, QChar c)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
    static void typeText(QWidget* target, const QString& text)
    {
        for (const QChar c : text) {
            typeChar(target, c);
        }
    }

    // Types into whichever field has the focus, one key at a time, as a
    // user does; the fields move the focus on by themselves.
    void typeNumber(const QString& text)
    {
        for (const QChar c : text) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr);
            typeChar(target, c);
        }
    }
    // The position (1..17) of the field holding the focus, 0 for none.
    int focusedField() const
    {
        for (int n = 1; n <= 17; ++n) {
            if (edit(n)->hasFocus()) {
                return n;
            }
        }
        return 0;
    }
    QString kfxPath() const { return filePath(kKfxName); }
    QByteArray kfxBytes() const { return readFile(kKfxName, "<missing>"); }
    void writeKfx(const QByteArray& bytes) const { writeFile(kKfxName, bytes); }

    static inline const QString kKfxName = QStringLiteral("test.kfx");
    std::unique_ptr<KaroskopWindows> windows;
};

} // namespace karoskop::testing
