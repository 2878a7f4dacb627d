#pragma once
// Tri-state tests of single attribute flags: must be set, must be clear, or don't care.
#include <cstdint>

#include "core/search/persistent.h"
#include "core/search/search_types.h"

namespace norvane {

class TAttributeCriteriaEx : public TPersistent {
 public:
  const char* ClassName() const override { return "TAttributeCriteriaEx"; }
  void Assign(const TPersistent* Source) override;
  using TPersistent::Assign;

  // The shared reader and writer; `index` 1..11 in property order.
  TFileAttributeStatus GetAttributeStatus(int index) const;
  void SetAttributeStatus(int index, TFileAttributeStatus value);

  TFileAttributeStatus Archive() const { return GetAttributeStatus(1); }
  void SetArchive(TFileAttributeStatus v) { SetAttributeStatus(1, v); }
  TFileAttributeStatus Readonly() const { return GetAttributeStatus(2); }
  void SetReadonly(TFileAttributeStatus v) { SetAttributeStatus(2, v); }
  TFileAttributeStatus Hidden() const { return GetAttributeStatus(3); }
  void SetHidden(TFileAttributeStatus v) { SetAttributeStatus(3, v); }
  TFileAttributeStatus System() const { return GetAttributeStatus(4); }
  void SetSystem(TFileAttributeStatus v) { SetAttributeStatus(4, v); }
  TFileAttributeStatus Directory() const { return GetAttributeStatus(5); }
  void SetDirectory(TFileAttributeStatus v) { SetAttributeStatus(5, v); }
  TFileAttributeStatus Compressed() const { return GetAttributeStatus(6); }
  void SetCompressed(TFileAttributeStatus v) { SetAttributeStatus(6, v); }
  TFileAttributeStatus Encrypted() const { return GetAttributeStatus(7); }
  void SetEncrypted(TFileAttributeStatus v) { SetAttributeStatus(7, v); }
  TFileAttributeStatus Offline() const { return GetAttributeStatus(8); }
  void SetOffline(TFileAttributeStatus v) { SetAttributeStatus(8, v); }
  TFileAttributeStatus ReparsePoint() const { return GetAttributeStatus(9); }
  void SetReparsePoint(TFileAttributeStatus v) { SetAttributeStatus(9, v); }
  TFileAttributeStatus SparseFile() const { return GetAttributeStatus(10); }
  void SetSparseFile(TFileAttributeStatus v) { SetAttributeStatus(10, v); }
  TFileAttributeStatus Temporary() const { return GetAttributeStatus(11); }
  void SetTemporary(TFileAttributeStatus v) { SetAttributeStatus(11, v); }

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
