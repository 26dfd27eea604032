#pragma once

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// Shows the window and makes it the active one, so keys reach its focus widget.
inline testing::AssertionResult ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    if (QTest::qWaitForWindowActive(&window))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the window did not become active";
}
