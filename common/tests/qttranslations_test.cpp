#include "common/core/qttranslations.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

// The setup script installs Qt's translations, so the standard buttons of
// every message box read in Polish.
TEST(QtTranslations, StandardButtonsReadInPolish)
{
    ASSERT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    common::installPolishQtTexts(*QCoreApplication::instance());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Tak"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Nie"));
}

} // namespace
