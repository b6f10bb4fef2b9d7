// InstallX86 / InstallX64 over the simulated spooler and file system.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "InstallFixture.h"
#include "install/PrinterInstaller.h"
#include "platform/MessageBox.h"
#include "texts/Texts.h"

namespace {

using install::PrinterInstaller;
using installtest::DriverFiles;
using installtest::kX64;
using installtest::kX86;
using InstallFn = bool (PrinterInstaller::*)(int, const std::string&);
using TextRole = const char* texts::MessageTexts::*;

struct Variant {
  const char* environment;
  InstallFn install;
  TextRole copyFailedShort;
  TextRole copyFailedRunAsAdmin;
  TextRole driverFailed;
};

const Variant kVariants[] = {
    {kX86, &PrinterInstaller::InstallX86, &texts::MessageTexts::InstallError,
     &texts::MessageTexts::InstallErrorRunAsAdmin, &texts::MessageTexts::DriverInstallFailed},
    {kX64, &PrinterInstaller::InstallX64, &texts::MessageTexts::InstallErrorAntivirus,
     &texts::MessageTexts::InstallErrorRunAsAdminAntivirus,
     &texts::MessageTexts::DriverInstallFailedAntivirus},
};

void* const kDialog = reinterpret_cast<void*>(0x1234);

class InstallVariantTest : public installtest::InstallFixture {
 protected:
  // An installer as Install leaves it before calling a variant.
  void Prepare(PrinterInstaller& installer, int32_t language = 1033) {
    Give(installer);
    installer.UiLanguage = language;
    installer.PrinterName = "KDR270";
    installer.Owner = kDialog;
  }

  static void AddExistingPrinter(const std::string& name) {
    platform::PrinterInfo2 p;
    p.printerName = name;
    p.portName = "LPT1:";
    p.driverName = "Other";
    sim::Spooler().printers.push_back({p});
  }
};

TEST_F(InstallVariantTest, StagesRegistersAddsAndCleansUpForEachEnvironment) {
  for (const Variant& v : kVariants) {
    SCOPED_TRACE(v.environment);
    FreshMachine();
    UnpackPackage(v.environment);  // only this variant's folder exists
    PrinterInstaller installer;
    Prepare(installer);

    ASSERT_TRUE((installer.*v.install)(3, "USB001"));

    ASSERT_EQ(sim::Spooler().drivers.size(), 1u);
    const platform::DriverInfo3& d = sim::Spooler().drivers[0].info;
    EXPECT_EQ(d.version, 3u);
    EXPECT_EQ(d.name, "KDR270");
    EXPECT_EQ(d.environment, v.environment);
    EXPECT_EQ(d.driverPath, "uniDRV.DLL");
    EXPECT_EQ(d.dataFile, "KDR270.GPD");
    EXPECT_EQ(d.configFile, "uniDRVUI.DLL");
    EXPECT_EQ(d.helpFile, "uniDRV.HLP");
    EXPECT_EQ(d.monitorName, "");
    EXPECT_EQ(d.defaultDataType, "RAW");
    // Newlines turned into NULs in place: the length is kept, slack included.
    const char raw[] = "TTFSUB.GPD\0STDNAMES.GPD\0UNIRES.DLL\0KDR270.DLL\0\0\0";
    EXPECT_EQ(d.dependentFiles, std::string(raw, sizeof raw));
    EXPECT_EQ(sim::Spooler().drivers[0].dependentFiles,
              (std::vector<std::string>{"TTFSUB.GPD", "STDNAMES.GPD", "UNIRES.DLL", "KDR270.DLL"}));

    ASSERT_EQ(sim::Spooler().printers.size(), 1u);
    const platform::PrinterInfo2& p = sim::Spooler().printers[0].info;
    EXPECT_EQ(p.printerName, "KDR270");
    EXPECT_EQ(p.portName, "USB001");
    EXPECT_EQ(p.driverName, "KDR270");
    EXPECT_EQ(p.printProcessor, "WinPrint");
    EXPECT_EQ(p.datatype, "RAW");
    EXPECT_EQ(p.attributes, 0x40u);

    EXPECT_STREQ(installer.InstalledPrinterName, "KDR270");
    EXPECT_EQ(installer.PrinterName, "KDR270");
    EXPECT_TRUE(StagedFiles(v.environment).empty()) << "staged copies removed";
    EXPECT_EQ(sim::Files().Exists(PackagePath(v.environment, "UNIDRV.DLL")), true);
    EXPECT_EQ(sim::Spooler().openPrinterHandles, 0);
    EXPECT_TRUE(sim::Logs().messageBoxes.empty());
    EXPECT_EQ(sim::System().pauses, (std::vector<uint32_t>{111, 111, 111}));
    EXPECT_EQ(sim::CountCalls("CopyFileA"), 8u);
    // The model's old DLL and GPD go before anything is copied.
    EXPECT_TRUE(sim::CalledBefore("DeleteFileA", "CopyFileA"));
    EXPECT_EQ(sim::CountCalls("DeleteFileA"), 2u + 8u);
    // Every copy is read back after the last copy and before the driver is
    // added.
    EXPECT_EQ(sim::CountCalls("CreateFileA"), 8u);
    const std::vector<std::string>& log = sim::CallLog();
    const auto lastCopy = std::find(log.rbegin(), log.rend(), "CopyFileA").base();
    EXPECT_EQ(std::count(lastCopy, log.end(), "CreateFileA"), 8);
    EXPECT_TRUE(sim::CalledBefore("ReadFile", "AddPrinterDriverA"));
  }
}

TEST_F(InstallVariantTest, StagesTheFilesOfItsOwnPackageFolder) {
  UnpackPackage(kX86);
  UnpackPackage(kX64);
  PrinterInstaller installer;
  Prepare(installer);
  // Stop before the clean-up to look at what was staged.
  sim::FailCall("AddPrinterDriverA");
  ASSERT_FALSE(installer.InstallX64(3, "USB001"));
  for (const auto& file : DriverFiles()) {
    std::string bytes;
    ASSERT_TRUE(sim::Files().ReadFile(DriverDirectory(kX64) + "\\" + file, &bytes)) << file;
    EXPECT_EQ(bytes, std::string(kX64) + ":" + file);
  }
  EXPECT_TRUE(StagedFiles(kX86).empty());
}

TEST_F(InstallVariantTest, AMissingPackageFileFailsAfterAllCopiesWereTried) {
  for (const Variant& v : kVariants) {
    for (int osLevel : {0, 3}) {
      for (int32_t language : {1033, 2052}) {
        SCOPED_TRACE(std::string(v.environment) + " OsLevel " + std::to_string(osLevel) +
                     " language " + std::to_string(language));
        FreshMachine();
        UnpackPackage(v.environment);
        std::filesystem::remove(sim::Files().HostPath(PackagePath(v.environment, "UNIRES.DLL")));
        PrinterInstaller installer;
        Prepare(installer, language);

        EXPECT_FALSE((installer.*v.install)(osLevel, "USB001"));

        EXPECT_EQ(sim::CountCalls("CopyFileA"), 8u);
        EXPECT_TRUE(StagedFiles(v.environment).empty()) << "no unchecked copy stays";
        EXPECT_EQ(sim::CountCalls("AddPrinterDriverA"), 0u);
        EXPECT_EQ(sim::CountCalls("AddPrinterA"), 0u);
        const texts::MessageTexts& texts = texts::MessageTextsFor(language);
        ASSERT_EQ(sim::Logs().messageBoxes.size(), 1u);
        const sim::SimMessageBox& box = sim::Logs().messageBoxes[0];
        EXPECT_EQ(box.text, osLevel < 3 ? texts.*v.copyFailedShort : texts.*v.copyFailedRunAsAdmin);
        EXPECT_EQ(box.caption, texts::kWindowTitle);
        EXPECT_EQ(box.flags, platform::kMbOk | platform::kMbIconExclamation);
        EXPECT_EQ(box.owner, kDialog);
        EXPECT_STREQ(installer.InstalledPrinterName, "");
      }
    }
  }
}

TEST_F(InstallVariantTest, AFailedDriverDirectoryQueryIsACopyFailure) {
  for (bool emptyAnswer : {false, true}) {
    SCOPED_TRACE(emptyAnswer ? "empty directory text" : "query fails");
    FreshMachine();
    UnpackPackage(kX64);
    if (emptyAnswer)
      sim::Spooler().driverDirectories[kX64] = "";
    else
      sim::FailCall("GetPrinterDriverDirectoryA");
    PrinterInstaller installer;
    Prepare(installer);

    EXPECT_FALSE(installer.InstallX64(3, "USB001"));

    EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                              texts::MessageTextsFor(1033).InstallErrorRunAsAdminAntivirus});
    // Nothing is deleted from or copied into the root of the drive.
    EXPECT_EQ(sim::CountCalls("CopyFileA"), 0u);
    EXPECT_EQ(sim::CountCalls("DeleteFileA"), 0u);
    EXPECT_FALSE(sim::Files().Exists("C:\\UNIDRV.DLL"));
    EXPECT_EQ(sim::CountCalls("AddPrinterDriverA"), 0u);
  }
}

TEST_F(InstallVariantTest, OnlyFilesThisRunUnpackedAreStaged) {
  UnpackPackage(kX64);  // every file is there, but one was not written by this run
  const std::vector<std::string> paths = {
      "Windows x64\\KDR270.DLL",    "windows x64/kdr270.gpd",   "WINDOWS X64\\UNIDRV.DLL",
      "Windows x64/UNIDRVUI.DLL",   "Windows x64\\UniRes.dll",  "Windows x64\\UNIDRV.HLP",
      "Windows NT x86\\TTFSUB.GPD", "Windows x64\\STDNAMES.GPD"};
  ASSERT_EQ(unpacked_.size(), paths.size());  // in the order UnpackPackage wrote them
  std::vector<package::UnpackedFile> unpacked = unpacked_;
  for (std::size_t i = 0; i < paths.size(); ++i) unpacked[i].path = paths[i];
  PrinterInstaller installer;
  Prepare(installer);
  installer.UnpackedFiles = &unpacked;

  EXPECT_FALSE(installer.InstallX64(0, "USB001"));

  EXPECT_EQ(sim::CountCalls("CopyFileA"), 7u);
  EXPECT_TRUE(StagedFiles(kX64).empty());
  EXPECT_EQ(BoxTexts(),
            std::vector<std::string>{texts::MessageTextsFor(1033).InstallErrorAntivirus});
  EXPECT_EQ(sim::CountCalls("AddPrinterDriverA"), 0u);

  // Differences of case and separator do not matter.
  FreshMachine();
  UnpackPackage(kX64);
  unpacked[6].path = "windows x64/ttfsub.gpd";
  PrinterInstaller again;
  Prepare(again);
  again.UnpackedFiles = &unpacked;
  EXPECT_TRUE(again.InstallX64(0, "USB001"));
}

// Closed by default: an installer that was never told what the run unpacked
// stages nothing, even over a complete package folder.
TEST_F(InstallVariantTest, NothingIsStagedUnlessTheRunUnpackedIt) {
  for (bool told : {false, true}) {
    SCOPED_TRACE(told ? "told of an empty set" : "never told");
    FreshMachine();
    UnpackPackage(kX86);  // left from an earlier run
    const std::vector<package::UnpackedFile> nothing;
    PrinterInstaller installer;
    installer.UiLanguage = 1033;
    if (told) installer.UnpackedFiles = &nothing;
    EXPECT_FALSE(installer.InstallX86(3, "LPT1:"));
    EXPECT_EQ(sim::CountCalls("CopyFileA"), 0u);
    EXPECT_TRUE(StagedFiles(kX86).empty());
    EXPECT_EQ(sim::CountCalls("AddPrinterDriverA"), 0u);
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{texts::MessageTextsFor(1033).InstallErrorRunAsAdmin});
  }
}

// A user's program may rewrite the package folder at any time while the
// dialog is open. Whatever it does to a file after the unpacking, the file
// never reaches the spooler and no copy of it stays staged.
TEST_F(InstallVariantTest, AFileChangedSinceUnpackingIsNeverRegistered) {
  const struct {
    const char* change;
    const char* file;
    std::string (*bytes)(const std::string& unpacked);  // null: deleted
  } cases[] = {
      {"other bytes, same size", "KDR270.DLL",
       [](const std::string& b) { return std::string(b.size(), 'M'); }},
      {"one bit flipped", "UNIDRV.DLL",
       [](const std::string& b) { return std::string(b).replace(0, 1, 1, b[0] ^ 1); }},
      {"longer", "STDNAMES.GPD", [](const std::string& b) { return b + "MZ payload"; }},
      {"truncated", "UNIDRVUI.DLL", [](const std::string& b) { return b.substr(0, b.size() - 1); }},
      {"emptied", "KDR270.GPD", [](const std::string&) { return std::string(); }},
      {"deleted", "UNIRES.DLL", nullptr},
  };
  for (const Variant& v : kVariants) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(v.environment) + ", " + c.file + ": " + c.change);
      FreshMachine();
      UnpackPackage(v.environment);
      const std::string path = PackagePath(v.environment, c.file);
      if (c.bytes) {
        std::string bytes;
        ASSERT_TRUE(sim::Files().ReadFile(path, &bytes));
        ASSERT_TRUE(sim::Files().WriteFile(path, c.bytes(bytes)));
      } else {
        ASSERT_TRUE(std::filesystem::remove(sim::Files().HostPath(path)));
      }
      PrinterInstaller installer;
      Prepare(installer);

      EXPECT_FALSE((installer.*v.install)(3, "USB001"));

      EXPECT_EQ(sim::CountCalls("CopyFileA"), 8u) << "every copy is still tried, in order";
      EXPECT_EQ(sim::CountCalls("AddPrinterDriverA"), 0u);
      EXPECT_TRUE(sim::Spooler().drivers.empty());
      EXPECT_TRUE(sim::Spooler().printers.empty());
      EXPECT_TRUE(StagedFiles(v.environment).empty());
      EXPECT_EQ(BoxTexts(),
                std::vector<std::string>{texts::MessageTextsFor(1033).*v.copyFailedRunAsAdmin});
      EXPECT_STREQ(installer.InstalledPrinterName, "");
      EXPECT_EQ(sim::Files().openFds.size(), 0u) << "every read-back handle closed";
    }
  }
}

// A CRC-32 is no proof: "plumless" and "buckeroo" share one, and so does any
// file with those eight bytes swapped, size and all.
TEST_F(InstallVariantTest, OtherBytesOfTheSameSizeAndCrc32AreNeverRegistered) {
  UnpackPackage(kX64);
  const std::string genuine = "MZ plumless driver";
  const std::string forged = "MZ buckeroo driver";
  ASSERT_EQ(Crc32(genuine), Crc32(forged));
  const std::string path = PackagePath(kX64, "UNIDRV.DLL");
  for (auto& file : unpacked_) {
    if (file.path == std::string(kX64) + "\\UNIDRV.DLL")
      file = {file.path, static_cast<uint32_t>(genuine.size()), Crc32(genuine), genuine};
  }
  ASSERT_TRUE(sim::Files().WriteFile(path, forged));
  PrinterInstaller installer;
  Prepare(installer);

  EXPECT_FALSE(installer.InstallX64(3, "USB001"));

  EXPECT_EQ(sim::CountCalls("AddPrinterDriverA"), 0u);
  EXPECT_TRUE(StagedFiles(kX64).empty());
  EXPECT_EQ(BoxTexts(),
            std::vector<std::string>{texts::MessageTextsFor(1033).InstallErrorRunAsAdminAntivirus});

  // The bytes it was told of install.
  FreshMachine();
  UnpackPackage(kX64);
  for (auto& file : unpacked_) {
    if (file.path == std::string(kX64) + "\\UNIDRV.DLL")
      file = {file.path, static_cast<uint32_t>(genuine.size()), Crc32(genuine), genuine};
  }
  ASSERT_TRUE(sim::Files().WriteFile(path, genuine));
  PrinterInstaller again;
  Prepare(again);
  EXPECT_TRUE(again.InstallX64(3, "USB001"));
}

TEST_F(InstallVariantTest, AStagedCopyThatCannotBeReadBackIsNotRegistered) {
  for (const char* failing : {"CreateFileA", "ReadFile"}) {
    SCOPED_TRACE(failing);
    FreshMachine();
    UnpackPackage(kX64);
    sim::FailCall(failing, 5, 3);
    PrinterInstaller installer;
    Prepare(installer);
    EXPECT_FALSE(installer.InstallX64(0, "USB001"));
    EXPECT_EQ(sim::CountCalls("AddPrinterDriverA"), 0u);
    EXPECT_TRUE(StagedFiles(kX64).empty());
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{texts::MessageTextsFor(1033).InstallErrorAntivirus});
    EXPECT_EQ(sim::Files().openFds.size(), 0u);
  }
}

TEST_F(InstallVariantTest, AFailedDriverAddShowsTheSystemTextThenTheDriverText) {
  for (const Variant& v : kVariants) {
    SCOPED_TRACE(v.environment);
    FreshMachine();
    UnpackPackage(v.environment);
    sim::FailCall("AddPrinterDriverA", 87);
    PrinterInstaller installer;
    Prepare(installer, 2052);

    EXPECT_FALSE((installer.*v.install)(3, "USB001"));

    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"The parameter is incorrect.\r\n",
                                                    texts::MessageTextsFor(2052).*v.driverFailed}));
    for (const auto& box : sim::Logs().messageBoxes) EXPECT_EQ(box.owner, kDialog);
    EXPECT_EQ(StagedFiles(v.environment).size(), 8u) << "a retry overwrites them";
    EXPECT_EQ(sim::CountCalls("EnumPrintersA"), 0u);
    EXPECT_EQ(sim::CountCalls("AddPrinterA"), 0u);
    EXPECT_EQ(sim::System().pauses, std::vector<uint32_t>{111});
    EXPECT_STREQ(installer.InstalledPrinterName, "");
  }
}

TEST_F(InstallVariantTest, AFailedPrinterAddIsAFailure) {
  UnpackPackage(kX64);
  sim::FailCall("AddPrinterA", 5);
  PrinterInstaller installer;
  Prepare(installer);

  EXPECT_FALSE(installer.InstallX64(3, "USB001"));

  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Access is denied.\r\n",
                                                  texts::MessageTextsFor(1033).PrinterAddFailed}));
  EXPECT_STREQ(texts::MessageTextsFor(1033).PrinterAddFailed, "Add printer failed !");
  EXPECT_TRUE(StagedFiles(kX64).empty()) << "the driver no longer needs them";
  EXPECT_EQ(sim::Spooler().drivers.size(), 1u);
  EXPECT_TRUE(sim::Spooler().printers.empty());
  EXPECT_STREQ(installer.InstalledPrinterName, "");
  EXPECT_EQ(installer.PrinterName, "KDR270");
  EXPECT_EQ(sim::CountCalls("ClosePrinter"), 0u);
  EXPECT_EQ(sim::System().pauses, (std::vector<uint32_t>{111, 111, 111}));
}

TEST_F(InstallVariantTest, TheNewNameDiffersFromEveryPrinterInAnyOrder) {
  const std::vector<std::vector<std::string>> orders = {{"KDR270", "KDR270 (copy 1)"},
                                                        {"KDR270 (copy 1)", "KDR270"}};
  const std::vector<std::vector<std::string>> lines = {
      {"name=KDR270,i=-1,n=2.temStr=KDR270 (copy 1),userLanguage=1033\r\n",
       "name=KDR270,i=0,n=2.temStr=KDR270 (copy 1),userLanguage=1033\r\n",
       "name=KDR270 (copy 1),i=-1,n=3.temStr=KDR270 (copy 2),userLanguage=1033\r\n",
       "name=KDR270,i=0,n=3.temStr=KDR270 (copy 2),userLanguage=1033\r\n",
       "name=KDR270 (copy 1),i=1,n=3.temStr=KDR270 (copy 2),userLanguage=1033\r\n"},
      {"name=KDR270 (copy 1),i=0,n=1.temStr=KDR270,userLanguage=1033\r\n",
       "name=KDR270,i=-1,n=2.temStr=KDR270 (copy 1),userLanguage=1033\r\n",
       "name=KDR270 (copy 1),i=-1,n=3.temStr=KDR270 (copy 2),userLanguage=1033\r\n",
       "name=KDR270 (copy 1),i=0,n=3.temStr=KDR270 (copy 2),userLanguage=1033\r\n",
       "name=KDR270,i=1,n=3.temStr=KDR270 (copy 2),userLanguage=1033\r\n"}};
  for (size_t k = 0; k < orders.size(); ++k) {
    SCOPED_TRACE(k);
    FreshMachine();
    UnpackPackage(kX64);
    for (const auto& name : orders[k]) AddExistingPrinter(name);
    PrinterInstaller installer;
    Prepare(installer);

    ASSERT_TRUE(installer.InstallX64(3, "IP_[192.168.1.100]"));

    EXPECT_STREQ(installer.InstalledPrinterName, "KDR270 (copy 2)");
    EXPECT_EQ(installer.PrinterName, "KDR270 (copy 2)");
    ASSERT_EQ(sim::Spooler().printers.size(), 3u);
    EXPECT_EQ(sim::Spooler().printers[2].info.printerName, "KDR270 (copy 2)");
    EXPECT_EQ(sim::Spooler().printers[2].info.portName, "IP_[192.168.1.100]");
    EXPECT_EQ(sim::Logs().debug, lines[k]);
  }
}

TEST_F(InstallVariantTest, NamesDifferingOnlyInCaseAreTheSamePrinter) {
  // The spooler refuses a name that differs from a printer's only in case.
  const struct {
    std::vector<std::string> present;
    const char* expected;
  } cases[] = {{{"kdr270"}, "KDR270 (copy 1)"}, {{"Kdr270 (COPY 1)", "kdr270"}, "KDR270 (copy 2)"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    FreshMachine();
    UnpackPackage(kX64);
    for (const auto& name : c.present) AddExistingPrinter(name);
    PrinterInstaller installer;
    Prepare(installer);
    ASSERT_TRUE(installer.InstallX64(3, "USB001"));
    EXPECT_STREQ(installer.InstalledPrinterName, c.expected);
  }
}

TEST_F(InstallVariantTest, WithoutAPrinterListTheModelNameIsUsed) {
  UnpackPackage(kX86);
  sim::FailCall("EnumPrintersA");
  PrinterInstaller installer;
  Prepare(installer);
  ASSERT_TRUE(installer.InstallX86(0, "COM1:"));
  EXPECT_STREQ(installer.InstalledPrinterName, "KDR270");
  EXPECT_TRUE(sim::Logs().debug.empty());
}

TEST_F(InstallVariantTest, ALongPrinterNameIsCutToTheBuffer) {
  UnpackPackage(kX64);
  const std::string longName(400, 'P');
  AddExistingPrinter(longName);
  PrinterInstaller installer;
  Prepare(installer);
  installer.PrinterName = longName;

  ASSERT_TRUE(installer.InstallX64(3, "USB001"));

  EXPECT_EQ(installer.PrinterName, longName + " (copy 1)");
  EXPECT_EQ(std::strlen(installer.InstalledPrinterName), 255u);
  EXPECT_EQ(std::string(installer.InstalledPrinterName), longName.substr(0, 255));
}

}  // namespace
