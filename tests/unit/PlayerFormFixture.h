// A player window over the in-memory platform, created the way the program
// creates it.
#pragma once

#include "app/PlayerForms.h"
#include "platform/memory/MemoryPlatform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace sonvella {

inline constexpr wchar_t IdleCaption[] = L"Sonvella - sonvella.example.org";
inline constexpr wchar_t SelectFileText[] = L"Please select an AC3 audio file.";

struct MemoryPlayerForm {
  MemoryPlayerForm() : form(platform) {
    PlayerForm = &form;
    PlayerProcess = 0;
    form.FormCreate();
  }
  ~MemoryPlayerForm() {
    PlayerForm = nullptr;
    AppDir.clear();
    DecimalSeparator = L'.';
  }
  MemoryPlayerForm(const MemoryPlayerForm &) = delete;
  MemoryPlayerForm &operator=(const MemoryPlayerForm &) = delete;

  // Runs Open with the dialog answering these names.
  void Open(std::vector<std::wstring> names) {
    platform.dialogAnswers.push_back(std::move(names));
    form.Run(&TPlayerForm::OpenButtonClick);
  }

  std::vector<std::wstring> RowNames() const {
    std::vector<std::wstring> names;
    for (const FileListItem &row : platform.rows)
      names.push_back(row.path + row.caption);
    return names;
  }

  MemoryPlatform platform;
  TPlayerForm form;
};

class PlayerFormTest : public ::testing::Test, protected MemoryPlayerForm {};

} // namespace sonvella
