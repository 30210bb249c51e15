// Both deliverables load the colour-picker library, as they do on the device, although
// neither calls it: its name is among the libraries their ELF dynamic sections need.
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "tests/support/device_root.h"

namespace vm::test {
namespace {

template <typename T>
T at(const std::string& bytes, size_t offset) {
  T value{};
  if (offset + sizeof value <= bytes.size())
    std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

// The DT_NEEDED names of a 64-bit ELF file; addresses in its dynamic section are mapped to
// file offsets through its loadable segments.
std::set<std::string> neededLibraries(const std::string& file) {
  const std::string bytes = readFile(file);
  const auto header = at<Elf64_Ehdr>(bytes, 0);
  std::vector<Elf64_Phdr> segments;
  for (int i = 0; i < header.e_phnum; ++i)
    segments.push_back(at<Elf64_Phdr>(bytes, header.e_phoff + i * sizeof(Elf64_Phdr)));
  auto offsetOf = [&segments](Elf64_Addr address) -> size_t {
    for (const Elf64_Phdr& s : segments)
      if (s.p_type == PT_LOAD && address >= s.p_vaddr && address < s.p_vaddr + s.p_filesz)
        return address - s.p_vaddr + s.p_offset;
    return 0;
  };
  std::vector<Elf64_Dyn> entries;
  for (const Elf64_Phdr& s : segments) {
    if (s.p_type != PT_DYNAMIC) continue;
    for (size_t e = 0; e < s.p_filesz / sizeof(Elf64_Dyn); ++e)
      entries.push_back(at<Elf64_Dyn>(bytes, s.p_offset + e * sizeof(Elf64_Dyn)));
  }
  size_t strings = 0;
  for (const Elf64_Dyn& entry : entries)
    if (entry.d_tag == DT_STRTAB) strings = offsetOf(entry.d_un.d_ptr);
  std::set<std::string> needed;
  for (const Elf64_Dyn& entry : entries)
    if (entry.d_tag == DT_NEEDED && strings + entry.d_un.d_val < bytes.size())
      needed.insert(bytes.c_str() + strings + entry.d_un.d_val);
  return needed;
}

TEST(LinkedLibraries, BothDeliverablesLoadTheColourPickerLibraryAndTheTweakNoPreferences) {
  const std::set<std::string> tweak = neededLibraries(VM_TWEAK_DIR "/Velmotint.dylib");
  const std::set<std::string> pane = neededLibraries(
      VM_BUILD_DIR "/prefs/stage/Library/PreferenceBundles/velmotintPrefs.bundle/velmotintPrefs");
  EXPECT_EQ(tweak.count("libcolorpicker.so"), 1u);
  EXPECT_EQ(pane.count("libcolorpicker.so"), 1u);
  EXPECT_EQ(pane.count("libvm_preferences.so"), 1u);
  // The library brings the Preferences framework along, as on the device; the tweak itself
  // does not ask for it.
  EXPECT_EQ(tweak.count("libvm_preferences.so"), 0u);
}

}  // namespace
}  // namespace vm::test
