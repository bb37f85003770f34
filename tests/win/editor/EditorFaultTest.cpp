// Every way opening the editor can fail, through the test build of the
// module: each reports its error once and leaves an editor that closes
// cleanly and opens again.
#include <fstream>

#include "resources/resource.h"
#include "tests/win/editor/EditorHost.h"

namespace {

class EditorFaults : public EditorHost {
protected:
    std::string ModuleName() const override { return "VantoscopeFaults.dll"; }
    void Fail(const char* steps) { SetEnvironmentVariableA("VANTOSCOPE_FAULTS", steps); }
    void TearDown() override {
        Fail(nullptr);
        EditorHost::TearDown();
    }

    // Once the fault is gone the same instance opens fully and closes
    // without leaving its class behind.
    void ExpectRecovery() {
        Fail(nullptr);
        OpenEditor();
        EXPECT_NE(MainView(), nullptr);
        EXPECT_TRUE(IsWindowVisible(Controls()));
        CloseEditor();
        EXPECT_EQ(GetWindow(parent_, GW_CHILD), nullptr);
        EXPECT_FALSE(IsViewClassRegistered());
    }
};

TEST_F(EditorFaults, ClassRegistrationReportsAndCreatesNothing) {
    Fail("register");
    OpenEditor();
    expectedErrors_ = {"Failed to register window class"};
    EXPECT_EQ(GetWindow(parent_, GW_CHILD), nullptr);
    EXPECT_EQ(Editor().MainView(), nullptr);
    CloseEditor();
    ExpectRecovery();
}

TEST_F(EditorFaults, MainViewCreationReportsAndCreatesNothing) {
    Fail("window");
    OpenEditor();
    expectedErrors_ = {"Failed to create window"};
    EXPECT_EQ(GetWindow(parent_, GW_CHILD), nullptr);
    EXPECT_EQ(Editor().ControlsDialog(), nullptr);
    CloseEditor();
    EXPECT_FALSE(IsViewClassRegistered()) << "the failed open's count came back";
    ExpectRecovery();
}

TEST_F(EditorFaults, MissingControlsPanelLeavesTheViewAndSettings) {
    Fail("controls");
    OpenEditor();
    expectedErrors_ = {"Controls dialog NOT created"};
    EXPECT_NE(MainView(), nullptr);
    EXPECT_TRUE(IsWindowVisible(MainView()));
    EXPECT_EQ(Editor().ControlsDialog(), nullptr);
    EXPECT_NE(Editor().SettingsDialog(), nullptr);
    EXPECT_EQ(Editor().ControlsParameters()[0]->Dialog(), nullptr);
    effect_->setParameter(effect_, 0, 0.75f);  // the host still reaches the value
    EXPECT_FLOAT_EQ(effect_->getParameter(effect_, 0), 0.75f);
    Pump(50);
    CloseEditor();
    ExpectRecovery();
}

TEST_F(EditorFaults, RendererSetupFailureKeepsTheDialogsWorking) {
    Fail("renderer");
    OpenEditor();
    expectedErrors_ = {"Could not setup direct 3d"};
    EXPECT_TRUE(Editor().SyncList().empty()) << "no components, nothing to draw";
    const float before = Value(0);
    Click(IDC_X_UP);
    EXPECT_FLOAT_EQ(Value(0), before + 10);
    Click(IDC_SETTINGS);
    EXPECT_TRUE(IsWindowVisible(SettingsDialog()));
    Pump(100);  // frames keep ticking without a renderer
    CloseEditor();
    ExpectRecovery();
}

TEST_F(EditorFaults, HelpOpensThePageBesideTheModuleOrTheWebAddress) {
    Fail("browser");
    OpenEditor();
    Click(IDC_HELP_BUTTON);
    const std::string page = CPluginModule::ProgramFolder() + "Data\\html\\vantoscope_help.html";
    const bool shipped = std::ifstream(page).good();
    const std::string expected =
        "Opening " + (shipped ? page : "https://www.orlemar.com/html/vantoscope_help.html");
    const std::vector<std::string> logged = LoggedFrom(expected);
    ASSERT_FALSE(logged.empty()) << expected;
}

}  // namespace
