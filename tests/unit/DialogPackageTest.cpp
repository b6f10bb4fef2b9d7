// The dialog and its package folder: unpacked at start, the wizard on its
// INF, emptied at exit, and never anything outside it touched, even when a
// program the user ran unelevated prepared the folder beforehand.
#include <string>

#include "DialogFixture.h"
#include "ZipReaderArchiveBuilder.h"
#include "app/TarnwickApp.h"
#include "app/TarnwickDlg.h"
#include "platform/FileSystem.h"
#include "texts/Texts.h"

namespace {

using sim::Files;

constexpr const char* kFolder = "C:\\T\\Vey2020";

class DialogPackageTest : public SimFilesTest {
 protected:
  void SetUp() override {
    SimFilesTest::SetUp();
    sim::System().uiLanguage = 1033;
    sim::System().nativeArchitecture = 9;
    Files().tempPath = "C:\\T\\";
    Files().MakeDirs("C:\\T");
    Files().WriteFile("C:\\Start\\user.txt", "mine");
    Files().currentDirectory = "C:\\Start";
    std::vector<ziptest::ZipEntrySpec> entries = {ziptest::FolderEntry("Windows x64/")};
    for (const char* f : {"KDR270.DLL", "KDR270.GPD", "UNIDRV.DLL", "UNIDRVUI.DLL", "UNIRES.DLL",
                          "UNIDRV.HLP", "TTFSUB.GPD", "STDNAMES.GPD", "NLDRVx64.INF"}) {
      ziptest::ZipEntrySpec e;
      e.name = std::string("Windows x64/") + f;
      e.data = std::string("x64 ") + f;
      entries.push_back(e);
    }
    sim::Resources().Put(138, "ZIP", ziptest::BuildArchive(entries));
    Files().MakeDirs(sim::Spooler().driverDirectories["Windows x64"]);
  }

  // Runs the whole program with `whileOpen` as the user; Exit ends it.
  void RunProgram(const std::function<void(CTarnwickDlg&)>& whileOpen) {
    sim::Ui().user = [&](platform::WindowHandle d) {
      whileOpen(*static_cast<CTarnwickDlg*>(theApp.MainDialog()));
      sim::Click(d, kIdExit);
    };
    EXPECT_FALSE(theApp.InitInstance());
    sim::Ui().user = nullptr;
  }

  static std::string Read(const std::string& path) {
    std::string bytes;
    return Files().ReadFile(path, &bytes) ? bytes : "<missing>";
  }
};

TEST_F(DialogPackageTest, UnpacksBeforeShowingAndLeavesTheFolderEmptyAtExit) {
  RunProgram([](CTarnwickDlg& dlg) {
    EXPECT_TRUE(dlg.m_package.entered);
    EXPECT_EQ(Files().currentDirectory, kFolder);
    EXPECT_EQ(Read("C:\\T\\Vey2020\\Windows x64\\UNIDRV.DLL"), "x64 UNIDRV.DLL");
    EXPECT_EQ(dlg.m_installer.UnpackedFiles, &dlg.m_package.unpackedFiles);
  });
  EXPECT_TRUE(Files().Exists(kFolder));
  EXPECT_FALSE(Files().Exists("C:\\T\\Vey2020\\Windows x64"));
  EXPECT_EQ(Read("C:\\Start\\user.txt"), "mine");
}

TEST_F(DialogPackageTest, TakesTheCurrentDirectoryOutOfTheDllSearchBeforeEnteringTheFolder) {
  RunProgram([](CTarnwickDlg&) {});
  EXPECT_TRUE(sim::System().dllDirectorySet);
  EXPECT_EQ(sim::System().dllDirectory, "");
  EXPECT_EQ(sim::System().defaultDllDirectories, 0x800u);
  EXPECT_TRUE(sim::CalledBefore("SetDllDirectoryA", "SetCurrentDirectoryA"));
  EXPECT_TRUE(sim::CalledBefore("SetDefaultDllDirectories", "SetCurrentDirectoryA"));
  EXPECT_TRUE(sim::CalledBefore("SetDefaultDllDirectories", "DialogBoxParamA"));
}

TEST_F(DialogPackageTest, RunsWhereKernel32LacksSetDllDirectory) {
  sim::System().hasSetDllDirectory = false;  // Windows XP before SP1
  sim::System().hasSetDefaultDllDirectories = false;
  bool opened = false;
  RunProgram([&](CTarnwickDlg& dlg) { opened = dlg.m_package.entered; });
  EXPECT_TRUE(opened);
  EXPECT_FALSE(sim::System().dllDirectorySet);
}

TEST_F(DialogPackageTest, RunsWhereKernel32LacksSetDefaultDllDirectories) {
  sim::System().hasSetDefaultDllDirectories = false;  // Windows XP
  bool opened = false;
  RunProgram([&](CTarnwickDlg& dlg) { opened = dlg.m_package.entered; });
  EXPECT_TRUE(opened);
  EXPECT_EQ(sim::System().dllDirectory, "");
}

TEST_F(DialogPackageTest, TheWizardButtonStartsTheWizardOnTheUnpackedInf) {
  RunProgram([](CTarnwickDlg& dlg) { sim::Click(dlg.Handle(), kIdWizardButton); });
  const sim::ShellLaunch* wizard = nullptr;
  for (const auto& l : sim::Shell().launches)
    if (l.file == "C:\\Windows\\system32\\rundll32.exe") wizard = &l;
  ASSERT_NE(wizard, nullptr);
  EXPECT_EQ(wizard->parameters,
            "printui.dll PrintUIEntry /ii /f \"C:\\T\\Vey2020\\Windows x64\\NLDRVx64.INF\"");
}

TEST_F(DialogPackageTest, AFolderThatCouldNotBeEnteredIsNeverActedOn) {
  sim::FailAlways("SetCurrentDirectoryA");
  RunProgram([](CTarnwickDlg& dlg) {
    EXPECT_FALSE(dlg.m_package.entered);
    sim::Click(dlg.Handle(), kIdWizardButton);
    // The installation finds no file of this run to stage.
    EXPECT_FALSE(dlg.m_installer.Install(0, "USB001"));
  });
  for (const auto& l : sim::Shell().launches) EXPECT_EQ(l.file.find("rundll32"), std::string::npos);
  EXPECT_EQ(Read("C:\\Start\\user.txt"), "mine") << "the current directory was not emptied";
  ASSERT_FALSE(sim::Logs().messageBoxes.empty());
  EXPECT_EQ(sim::Logs().messageBoxes[0].text, texts::MessageTextsFor(1033).InstallErrorRunAsAdmin);
  EXPECT_TRUE(sim::Spooler().drivers.empty());
}

TEST_F(DialogPackageTest, APlantedLinkAsThePackageFolderLeavesItsTargetUntouched) {
  Files().WriteFile("C:\\Windows\\System32\\keep.dll", "system");
  ASSERT_TRUE(Files().MakeLink(kFolder, "C:\\Windows\\System32"));
  RunProgram([](CTarnwickDlg& dlg) { EXPECT_TRUE(dlg.m_package.entered); });
  EXPECT_EQ(Read("C:\\Windows\\System32\\keep.dll"), "system");
  EXPECT_FALSE(Files().Exists("C:\\Windows\\System32\\Windows x64"));
  const uint32_t attributes = platform::GetPathAttributes(kFolder);
  EXPECT_NE(attributes & platform::kFileAttributeDirectory, 0u);
  EXPECT_EQ(attributes & platform::kFileAttributeReparsePoint, 0u) << "a real folder now";
}

TEST_F(DialogPackageTest, APlantedLinkAsASubfolderIsNeitherWrittenThroughNorEmptied) {
  Files().WriteFile("C:\\Windows\\Fonts\\keep.ttf", "font");
  ASSERT_TRUE(Files().MakeLink("C:\\T\\Vey2020\\Windows x64", "C:\\Windows\\Fonts"));
  RunProgram([](CTarnwickDlg&) {});
  EXPECT_EQ(Read("C:\\Windows\\Fonts\\keep.ttf"), "font");
  EXPECT_FALSE(Files().Exists("C:\\Windows\\Fonts\\UNIDRV.DLL"));
}

TEST_F(DialogPackageTest, APlantedReadOnlyDriverFileIsNeverStaged) {
  Files().WriteFile("C:\\T\\Vey2020\\Windows x64\\UNIDRV.DLL", "planted");
  ASSERT_TRUE(platform::SetPathAttributes("C:\\T\\Vey2020\\Windows x64\\UNIDRV.DLL",
                                          platform::kFileAttributeReadOnly));
  Files().WriteFile("C:\\T\\Vey2020\\Windows x64\\extra.dll", "stale");
  RunProgram([](CTarnwickDlg& dlg) {
    EXPECT_EQ(Read("C:\\T\\Vey2020\\Windows x64\\UNIDRV.DLL"), "planted");
    EXPECT_FALSE(Files().Exists("C:\\T\\Vey2020\\Windows x64\\extra.dll")) << "cleared at start";
    EXPECT_FALSE(dlg.m_installer.Install(0, "USB001"));
  });
  const std::string staged = sim::Spooler().driverDirectories["Windows x64"] + "\\UNIDRV.DLL";
  EXPECT_FALSE(Files().Exists(staged));
  ASSERT_EQ(sim::Logs().messageBoxes.size(), 1u);
  EXPECT_EQ(sim::Logs().messageBoxes[0].text,
            texts::MessageTextsFor(1033).InstallErrorRunAsAdminAntivirus);
  // The read-only file and its folder survive the clean-up at exit.
  EXPECT_EQ(Read("C:\\T\\Vey2020\\Windows x64\\UNIDRV.DLL"), "planted");
}

}  // namespace
