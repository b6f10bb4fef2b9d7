#include "app/WizardFallback.h"

#include "SimFixture.h"

namespace {

class WizardFallbackTest : public SimTest {};

TEST_F(WizardFallbackTest, StartsTheWizardOnTheInfOfTheMachinesArchitecture) {
  const struct {
    uint16_t native;
    const char* parameters;  // empty: nothing is launched
  } cases[] = {
      {9,
       "printui.dll PrintUIEntry /ii /f \"C:\\Users\\A B\\Temp\\Vey2020\\Windows "
       "x64\\NLDRVx64.INF\""},
      {0,
       "printui.dll PrintUIEntry /ii /f \"C:\\Users\\A B\\Temp\\Vey2020\\Windows NT "
       "x86\\NLDRV.INF\""},
      {6, ""},
      {12, ""},
      {0xFFFF, ""},
  };
  for (const auto& c : cases) {
    sim::ResetMachine();
    sim::System().nativeArchitecture = c.native;
    void* owner = reinterpret_cast<void*>(0x1234);
    app::StartDriverWizard(owner, "C:\\Users\\A B\\Temp\\Vey2020");
    const auto& launches = sim::Shell().launches;
    if (*c.parameters == '\0') {
      EXPECT_TRUE(launches.empty()) << c.native;
      continue;
    }
    ASSERT_EQ(launches.size(), 1u) << c.native;
    EXPECT_EQ(launches[0].owner, owner);
    EXPECT_EQ(launches[0].verb, "open");
    EXPECT_EQ(launches[0].file, "C:\\Windows\\system32\\rundll32.exe") << "never a bare name";
    EXPECT_EQ(launches[0].parameters, c.parameters);
    EXPECT_EQ(launches[0].directory, "");
    EXPECT_EQ(launches[0].show, platform::kSwShowNormal);
    EXPECT_FALSE(launches[0].keptProcess) << "the dialog does not wait";
  }
}

TEST_F(WizardFallbackTest, MapsArchitectures) {
  using common::Architecture;
  const struct {
    uint16_t native;
    Architecture architecture;
  } cases[] = {{0, Architecture::kX86},   {6, Architecture::kIa64},
               {9, Architecture::kX64},   {12, Architecture::kOther},
               {5, Architecture::kOther}, {0xFFFF, Architecture::kUnidentified}};
  for (const auto& c : cases) {
    sim::System().nativeArchitecture = c.native;
    EXPECT_EQ(common::QueryNativeArchitecture(), c.architecture) << c.native;
  }
}

TEST_F(WizardFallbackTest, WithoutTheSystemFolderNothingIsStarted) {
  sim::System().nativeArchitecture = 9;
  sim::FailCall("GetSystemDirectoryA");
  app::StartDriverWizard(nullptr, "C:\\T\\Vey2020");
  EXPECT_EQ(sim::CountCalls("ShellExecuteA"), 0u);
  EXPECT_TRUE(sim::Logs().messageBoxes.empty()) << "a failed launch shows nothing";
}

TEST_F(WizardFallbackTest, ACommandThatWouldNotFitIsNotCut) {
  const std::string longFolder = "C:\\" + std::string(1100, 'a');
  EXPECT_EQ(app::WizardParameters(longFolder, common::Architecture::kX64), "");
  sim::System().nativeArchitecture = 9;
  app::StartDriverWizard(nullptr, longFolder);
  EXPECT_TRUE(sim::Shell().launches.empty());
}

}  // namespace
