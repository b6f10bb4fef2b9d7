// A machine ready for an installation: the spooler's driver directories and
// the unpacked package folder as the current directory.
#pragma once
#include <zlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SimFixture.h"
#include "install/PrinterInstaller.h"
#include "platform/sim/SimFiles.h"

namespace installtest {

constexpr char kPackageFolder[] = "C:\\T\\Vey2020";
constexpr char kX86[] = "Windows NT x86";
constexpr char kX64[] = "Windows x64";

// The eight driver files, in staging order.
inline const std::vector<std::string>& DriverFiles() {
  static const std::vector<std::string> files = {"KDR270.DLL",   "KDR270.GPD",  "UNIDRV.DLL",
                                                 "UNIDRVUI.DLL", "UNIRES.DLL",  "UNIDRV.HLP",
                                                 "TTFSUB.GPD",   "STDNAMES.GPD"};
  return files;
}

class InstallFixture : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    root_ = FreshScratchFolder("install");
    PrepareMachine();
  }

  // Empties the machine again (for tests that walk several cases).
  void FreshMachine() {
    unpacked_.clear();
    sim::ResetMachine();
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
    PrepareMachine();
  }

  std::string DriverDirectory(const std::string& environment) {
    return sim::Spooler().driverDirectories[environment];
  }

  // The package folder's copy of one variant's files; each file's bytes
  // name its folder, so a file staged from the wrong folder shows. They are
  // recorded as the extraction records what it wrote.
  void UnpackPackage(const std::string& environment) {
    for (const auto& file : DriverFiles()) {
      const std::string bytes = environment + ":" + file;
      sim::Files().WriteFile(PackagePath(environment, file), bytes);
      unpacked_.push_back(
          {environment + "\\" + file, static_cast<uint32_t>(bytes.size()), Crc32(bytes), bytes});
    }
  }

  // The installer as the dialog hands it over: told what this run unpacked.
  void Give(install::PrinterInstaller& installer) { installer.UnpackedFiles = &unpacked_; }

  static uint32_t Crc32(const std::string& bytes) {
    return static_cast<uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
  }

  static std::string PackagePath(const std::string& environment, const std::string& file) {
    return std::string(kPackageFolder) + "\\" + environment + "\\" + file;
  }

  // The driver files present in an environment's driver directory.
  std::vector<std::string> StagedFiles(const std::string& environment) {
    std::vector<std::string> present;
    for (const auto& file : DriverFiles())
      if (sim::Files().Exists(DriverDirectory(environment) + "\\" + file)) present.push_back(file);
    return present;
  }

  static std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const auto& box : sim::Logs().messageBoxes) texts.push_back(box.text);
    return texts;
  }

 private:
  void PrepareMachine() {
    sim::Files().SetHostRoot(root_);
    sim::Files().MakeDirs(DriverDirectory(kX86));
    sim::Files().MakeDirs(DriverDirectory(kX64));
    sim::Files().MakeDirs(kPackageFolder);
    sim::Files().currentDirectory = kPackageFolder;
  }

  std::string root_;

 protected:
  std::vector<package::UnpackedFile> unpacked_;
};

}  // namespace installtest
