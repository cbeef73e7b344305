// GoogleTest with one application object for every test of the windows: the
// program's own, so that a failure a slot lets out is caught as in the
// program.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "ui/platform/guarded_application.hpp"
#include "ui/tests/ui_fixture.hpp"

namespace qavo::ui::testing {

qavo::testing::FakePlatform& ApplicationPlatform() {
    static qavo::testing::FakePlatform platform;
    return platform;
}

namespace {
// A test that leaves a failure told by the application did not expect it.
class NoFailureLeftUntaken : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        for (const auto& told : ApplicationPlatform().messages) {
            ADD_FAILURE() << "a slot failed: " << told.text;
        }
        ApplicationPlatform().messages.clear();
        ApplicationPlatform().calls.clear();
    }
};
}  // namespace

}  // namespace qavo::ui::testing

int main(int argc, char** argv) {
    // The windows are driven without a display, also when the test list is read.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // What the windows keep for the next start stays out of the user's folder.
    const QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    qavo::ui::GuardedApplication app(argc, argv, qavo::ui::testing::ApplicationPlatform());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new qavo::ui::testing::NoFailureLeftUntaken);
    return RUN_ALL_TESTS();
}
