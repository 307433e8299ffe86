#include "app/NameIndex.h"

#include <algorithm>
#include <functional>

namespace sonvella {

namespace {

constexpr std::size_t SmallestTable = 16;

} // namespace

std::uint32_t NameIndex::Digest(std::wstring_view name) {
  const std::uint64_t hash = std::hash<std::wstring_view>{}(name);
  return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

std::size_t NameIndex::Home(std::uint32_t digest) const {
  return digest & (slots_.size() - 1);
}

std::size_t NameIndex::Next(std::size_t slot) const {
  return (slot + 1) & (slots_.size() - 1);
}

std::size_t NameIndex::FindSlot(std::wstring_view name,
                                std::uint32_t digest) const {
  if (slots_.empty())
    return NotFound;
  // The table is never full, so an empty slot ends every probe.
  for (std::size_t slot = Home(digest); slots_[slot].place != 0;
       slot = Next(slot)) {
    const Slot &entry = slots_[slot];
    if (entry.digest == digest && names_[entry.place - 1] == name)
      return slot;
  }
  return NotFound;
}

std::size_t NameIndex::FindPlace(std::uint32_t digest,
                                 std::uint32_t place) const {
  std::size_t slot = Home(digest);
  while (slots_[slot].place != place)
    slot = Next(slot);
  return slot;
}

bool NameIndex::Contains(std::wstring_view name) const {
  return FindSlot(name, Digest(name)) != NotFound;
}

void NameIndex::Place(Slot entry) {
  std::size_t slot = Home(entry.digest);
  while (slots_[slot].place != 0)
    slot = Next(slot);
  slots_[slot] = entry;
}

void NameIndex::Rebuild(std::size_t slotCount) {
  std::vector<Slot> old(slotCount);
  old.swap(slots_);
  for (const Slot &entry : old) {
    if (entry.place != 0)
      Place(entry);
  }
}

void NameIndex::Reserve(std::size_t count) {
  // Growing by at least double keeps many small Opens from moving every
  // stored name each time.
  if (count > names_.capacity())
    names_.reserve(std::max(count, 2 * names_.capacity()));
  std::size_t slotCount = SmallestTable;
  while (slotCount < 2 * count)
    slotCount *= 2;
  if (slotCount > slots_.size())
    Rebuild(slotCount);
}

void NameIndex::Insert(std::wstring name) {
  const std::uint32_t digest = Digest(name);
  if (FindSlot(name, digest) != NotFound)
    return;
  if (2 * (names_.size() + 1) > slots_.size())
    Reserve(names_.size() + 1);
  names_.push_back(std::move(name));
  Place({digest, static_cast<std::uint32_t>(names_.size())});
}

// Linear probing without markers for removed entries: the entries after the
// hole that could not sit in their home slot move back into it.
void NameIndex::EmptySlot(std::size_t hole) {
  for (std::size_t slot = Next(hole); slots_[slot].place != 0;
       slot = Next(slot)) {
    const std::size_t home = Home(slots_[slot].digest);
    const bool homeAfterHole = hole <= slot ? hole < home && home <= slot
                                            : hole < home || home <= slot;
    if (!homeAfterHole) {
      slots_[hole] = slots_[slot];
      hole = slot;
    }
  }
  slots_[hole] = {};
}

void NameIndex::Erase(std::wstring_view name) {
  const std::size_t slot = FindSlot(name, Digest(name));
  if (slot == NotFound)
    return;
  const std::uint32_t place = slots_[slot].place;
  EmptySlot(slot);
  // The last name fills the gap so that the names stay packed.
  const auto last = static_cast<std::uint32_t>(names_.size());
  if (place != last) {
    const std::uint32_t lastDigest = Digest(names_.back());
    slots_[FindPlace(lastDigest, last)].place = place;
    names_[place - 1] = std::move(names_.back());
  }
  names_.pop_back();
}

} // namespace sonvella
