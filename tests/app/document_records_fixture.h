// Tests of a document whose recovery records and undo data go to a scratch
// folder of their own, with the settings at their defaults and no backup.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/disk/recovery.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "tests/support/temp_folder.h"

namespace vx::test {

class DocumentRecordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaultSettings();
    DisplaySettings.AutoBackUp = false;
    SetFolderWriteCheck([](const std::wstring&) { return false; });
    SetRecoveryFolder(records);
  }
  void TearDown() override {
    SetRecoveryFolder(L"");
    SetFolderWriteCheck({});
  }

  TempFolder dir;
  const std::wstring path = dir / L"doc.bin";
  const std::wstring records = dir / L"records\\";
};

}  // namespace vx::test
