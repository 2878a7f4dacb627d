#pragma once
// Base of the copyable criteria objects: Assign copies between objects of one class and
// refuses any other pairing.
#include <string>

namespace norvane {

class TPersistent {
 public:
  virtual ~TPersistent() = default;
  virtual const char* ClassName() const { return "TPersistent"; }
  // Copies `Source` into this object. The base refuses every source with
  // "Cannot assign a <source class or nil> to a <this class>".
  virtual void Assign(const TPersistent* Source);
  void Assign(const TPersistent& Source) { Assign(&Source); }

 protected:
  TPersistent() = default;
  TPersistent(const TPersistent&) = default;
  TPersistent& operator=(const TPersistent&) = default;
};

}  // namespace norvane
