#pragma once
// Tri-state tests of single attribute flags: must be set, must be clear, or don't care.
#include <cstdint>

#include "core/search/assignable.h"
#include "core/search/search_types.h"

namespace norvane {

class AttributeCriteriaEx : public Assignable {
 public:
  const char* ClassName() const override { return "AttributeCriteriaEx"; }
  void Assign(const Assignable* Source) override;
  using Assignable::Assign;

  // The shared reader and writer; `index` 1..11 in property order.
  FileAttributeStatus GetAttributeStatus(int index) const;
  void SetAttributeStatus(int index, FileAttributeStatus value);

  FileAttributeStatus Archive() const { return GetAttributeStatus(1); }
  void SetArchive(FileAttributeStatus v) { SetAttributeStatus(1, v); }
  FileAttributeStatus Readonly() const { return GetAttributeStatus(2); }
  void SetReadonly(FileAttributeStatus v) { SetAttributeStatus(2, v); }
  FileAttributeStatus Hidden() const { return GetAttributeStatus(3); }
  void SetHidden(FileAttributeStatus v) { SetAttributeStatus(3, v); }
  FileAttributeStatus System() const { return GetAttributeStatus(4); }
  void SetSystem(FileAttributeStatus v) { SetAttributeStatus(4, v); }
  FileAttributeStatus Directory() const { return GetAttributeStatus(5); }
  void SetDirectory(FileAttributeStatus v) { SetAttributeStatus(5, v); }
  FileAttributeStatus Compressed() const { return GetAttributeStatus(6); }
  void SetCompressed(FileAttributeStatus v) { SetAttributeStatus(6, v); }
  FileAttributeStatus Encrypted() const { return GetAttributeStatus(7); }
  void SetEncrypted(FileAttributeStatus v) { SetAttributeStatus(7, v); }
  FileAttributeStatus Offline() const { return GetAttributeStatus(8); }
  void SetOffline(FileAttributeStatus v) { SetAttributeStatus(8, v); }
  FileAttributeStatus ReparsePoint() const { return GetAttributeStatus(9); }
  void SetReparsePoint(FileAttributeStatus v) { SetAttributeStatus(9, v); }
  FileAttributeStatus SparseFile() const { return GetAttributeStatus(10); }
  void SetSparseFile(FileAttributeStatus v) { SetAttributeStatus(10, v); }
  FileAttributeStatus Temporary() const { return GetAttributeStatus(11); }
  void SetTemporary(FileAttributeStatus v) { SetAttributeStatus(11, v); }

  std::uint32_t SetMask() const { return setMask_; }
  std::uint32_t ClearMask() const { return clearMask_; }

  bool Matches(std::uint32_t attributes) const {
    return (attributes & setMask_) == setMask_ && (attributes & clearMask_) == 0;
  }

 private:
  std::uint32_t setMask_ = 0;
  std::uint32_t clearMask_ = 0;
};

}  // namespace norvane
