#pragma once
// The whole window, started on its menu and talking to a fake club server.

#include "online/qt/ServiceAddress.h"
#include "ui/FakeClub.h"
#include "ui/WindowFixture.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace tavlira::testing {

// The window, on its menu, talking to `club`.
inline std::unique_ptr<test::StartedWindow> OnClubMenu(FakeClub& club) {
    qputenv(ServiceBaseVariable, club.Base().toString().toUtf8());
    auto window = test::StartWindow(Settings());
    qunsetenv(ServiceBaseVariable);
    QTest::keyClick(window->form.get(), Qt::Key_Space);
    EXPECT_EQ(window->form->CurrentScreen(), Screen::Menu);
    return window;
}

} // namespace tavlira::testing
