// The full names of the listed files, kept beside the list rows so that Open
// can tell a name already listed without comparing it against every row.
//
// The names live in one vector; the probe table holds only a 32-bit digest
// of each name and its place in that vector. Looking up a new name touches
// one or two small slots rather than strings scattered over the heap, which
// keeps Open's cost per file flat as the list grows past the CPU caches.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sonvella {

class NameIndex {
public:
  bool Contains(std::wstring_view name) const;
  // Adds the name unless it is already there.
  void Insert(std::wstring name);
  // Removes the name if it is there.
  void Erase(std::wstring_view name);
  // Makes room for this many names in all, so that adding up to it does not
  // rebuild the table again and again.
  void Reserve(std::size_t count);
  std::size_t Size() const { return names_.size(); }

private:
  struct Slot {
    std::uint32_t digest;
    std::uint32_t place; // index into names_ plus one; 0 marks an empty slot
  };
  static constexpr std::size_t NotFound = ~std::size_t{0};

  static std::uint32_t Digest(std::wstring_view name);
  std::size_t Home(std::uint32_t digest) const;
  std::size_t Next(std::size_t slot) const;
  std::size_t FindSlot(std::wstring_view name, std::uint32_t digest) const;
  std::size_t FindPlace(std::uint32_t digest, std::uint32_t place) const;
  void Place(Slot entry);
  void Rebuild(std::size_t slotCount);
  void EmptySlot(std::size_t hole);

  std::vector<std::wstring> names_;
  std::vector<Slot> slots_; // a power of two in size, at most half full
};

} // namespace sonvella
