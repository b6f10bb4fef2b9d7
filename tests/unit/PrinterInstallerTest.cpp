#include "install/PrinterInstaller.h"

#include <cstring>

#include "SimFixture.h"

namespace {

using install::PrinterInstaller;

class PrinterInstallerTest : public SimTest {};

TEST_F(PrinterInstallerTest, HoldsTheSevenModelRows) {
  PrinterInstaller installer;
  const char* expected[7][3] = {
      {"NL41.DLL", "NL41.GPD", "NL-41"},   {"NL41.DLL", "NL41C.GPD", "NL-41C"},
      {"NL63.DLL", "NL63.GPD", "NL-63"},   {"KDR270.DLL", "KDR270.GPD", "KDR270"},
      {"NL67.DLL", "NL67.GPD", "NL-67"},   {"NL52.DLL", "NL52.GPD", "NL-52"},
      {"NL52.DLL", "NL52C.GPD", "NL-52C"},
  };
  for (int row = 0; row < 7; ++row) {
    EXPECT_STREQ(install::kModelTable[row].DriverDll, expected[row][0]) << row;
    EXPECT_STREQ(install::kModelTable[row].GpdFile, expected[row][1]) << row;
    EXPECT_STREQ(install::kModelTable[row].ModelName, expected[row][2]) << row;
  }
  EXPECT_STREQ(install::kBuiltInModel.ModelName, "KDR270");
  EXPECT_TRUE(installer.PrinterName.empty());
  EXPECT_STREQ(installer.InstalledPrinterName, "");
}

TEST_F(PrinterInstallerTest, AsksTheShellToStartTheSpoolerHiddenWithoutWaiting) {
  PrinterInstaller installer;
  const auto& launches = sim::Shell().launches;
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].owner, nullptr);
  EXPECT_EQ(launches[0].verb, "open");
  EXPECT_EQ(launches[0].file, "C:\\Windows\\system32\\net.exe") << "never a bare name";
  EXPECT_EQ(launches[0].parameters, "start spooler");
  EXPECT_EQ(launches[0].directory, "");
  EXPECT_EQ(launches[0].show, platform::kSwHide);
  EXPECT_FALSE(launches[0].keptProcess);
  EXPECT_EQ(sim::CountCalls("WaitForSingleObject"), 0u);
  // The request comes before the language is read.
  EXPECT_TRUE(sim::CalledBefore("ShellExecuteA", "GetUserDefaultUILanguage"));
}

TEST_F(PrinterInstallerTest, TakesNetFromTheSystemFolderItIsGiven) {
  sim::System().systemFolder = "D:\\WINNT\\system32";
  PrinterInstaller installer;
  ASSERT_EQ(sim::Shell().launches.size(), 1u);
  EXPECT_EQ(sim::Shell().launches[0].file, "D:\\WINNT\\system32\\net.exe");
}

TEST_F(PrinterInstallerTest, AFailedSpoolerStartChangesNothing) {
  // The launch fails, or the system folder cannot be read and nothing is
  // launched at all.
  for (const char* failing : {"ShellExecuteA", "GetSystemDirectoryA"}) {
    SCOPED_TRACE(failing);
    sim::ResetMachine();
    sim::FailCall(failing);
    sim::System().uiLanguage = 2052;
    PrinterInstaller installer;
    EXPECT_EQ(installer.UiLanguage, 2052);
    EXPECT_TRUE(sim::Logs().messageBoxes.empty());
    EXPECT_TRUE(sim::Shell().launches.empty());
  }
  EXPECT_EQ(sim::CountCalls("ShellExecuteA"), 0u) << "no launch without the system folder";
}

TEST_F(PrinterInstallerTest, TakesTheUiLanguageFromTheSystem) {
  for (uint16_t language : {1033, 2052, 1028, 4100, 1031, 0xFFFF}) {
    sim::System().uiLanguage = language;
    PrinterInstaller installer;
    EXPECT_EQ(installer.UiLanguage, static_cast<int32_t>(language)) << "zero-extended";
  }
}

TEST_F(PrinterInstallerTest, MapsTheNativeArchitecture) {
  const struct {
    uint16_t code;
    const char* name;
  } cases[] = {{0, "x86"},      {6, "Intel Itanium-based"},
               {9, "x64"},      {0xFFFF, "Unknown architecture"},
               {12, "Unknown"}, {5, "Unknown"}};
  PrinterInstaller installer;
  for (const auto& c : cases) {
    sim::System().nativeArchitecture = c.code;
    const char* name = nullptr;
    installer.DetectPlatform(&name);
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, c.name) << c.code;
  }
}

TEST(OsLevelTest, ShortTextsBeforeVistaAdviceFromVistaOn) {
  EXPECT_EQ(install::OsLevelForMajorVersion(5), 0);
  EXPECT_EQ(install::OsLevelForMajorVersion(6), 3);
  EXPECT_EQ(install::OsLevelForMajorVersion(10), 3);
  EXPECT_EQ(install::OsLevelForMajorVersion(0), 0);
}

}  // namespace
