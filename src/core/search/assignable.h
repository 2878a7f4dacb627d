#pragma once
// Base of the copyable criteria objects: Assign copies between objects of one class and
// refuses any other pairing.
#include <string>

namespace norvane {

class Assignable {
 public:
  virtual ~Assignable() = default;
  virtual const char* ClassName() const { return "Assignable"; }
  // Copies `Source` into this object. The base refuses every source with
  // "Cannot assign a <source class or nil> to a <this class>".
  virtual void Assign(const Assignable* Source);
  void Assign(const Assignable& Source) { Assign(&Source); }

 protected:
  Assignable() = default;
  Assignable(const Assignable&) = default;
  Assignable& operator=(const Assignable&) = default;
};

}  // namespace norvane
