// Widgets need one application object for the whole test program.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

class QtApplication : public testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "tavlira-test";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }

  private:
    std::unique_ptr<QApplication> app;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace
