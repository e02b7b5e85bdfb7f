// Pictures are read and scaled with Qt's image classes, which want one
// application object for the whole test program.
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class GuiApplication : public testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test_ui_artwork";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }

  private:
    std::unique_ptr<QGuiApplication> app;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new GuiApplication);

} // namespace
